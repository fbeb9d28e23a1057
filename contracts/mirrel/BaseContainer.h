#pragma once

#include "Functions.h"

#include <QList>
#include <QObject>

// Base of every function block that edits a part of the register image. Blocks never talk to
// the device: their writes leave as signals that the back end routes to the link.
class BaseContainer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool valid READ valid WRITE setValid NOTIFY validChanged)
public:
    explicit BaseContainer(QObject *parent = nullptr);

    bool valid() const;

public slots:
    void setValid(bool valid);
    // The whole register image after a read; the block takes its own registers from it.
    virtual void setData(QList<quint16> data);
    virtual void reset();

signals:
    void writeSingleRegister(uint reg, ushort value);
    void writeMultipleRegister(uint reg, QList<quint16> values);
    // which == Functions::LowByte replaces the low byte of the register, anything else the high byte.
    void writeHalfRegister(uint reg, uchar value, Functions::Byte which);
    void validChanged(bool valid);

private:
    bool m_valid = false;
};
