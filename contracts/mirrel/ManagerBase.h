#pragma once

#include "LanguageSettings.h"

#include <QList>
#include <QObject>

// The host's handle on a running plugin. The plugin asks the host to return to its home
// page through goHome(); the host announces language switches through languageChanged.
class ManagerBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int pageIndex READ pageIndex WRITE setPageIndex NOTIFY pageIndexChanged)
public:
    explicit ManagerBase(QObject *parent = nullptr);
    ~ManagerBase() override;

    virtual void updateRegs(int startRegister, const QList<quint16> &values);
    virtual void updateCoil(int coil, bool value);
    virtual void valuesFromSave(const QList<quint16> &values);
    virtual QList<quint16> gatherAllData();
    virtual void forceUpdate();
    virtual void reset();
    virtual int pageIndex() const;
    virtual void setPageIndex(int index);

public slots:
    void goHome();

signals:
    void languageChanged(LanguageSettings::Languages language);
    // Seen by the host: the plugin wants the host's home page back.
    void homeRequested();
    void pageIndexChanged(int index);

private:
    int m_pageIndex = 0;
};
