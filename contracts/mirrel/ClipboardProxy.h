#pragma once

#include <QObject>

// The system clipboard's text for QML ("Clipboard").
class ClipboardProxy : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    explicit ClipboardProxy(QObject *parent = nullptr);

    QString text() const;

public slots:
    void setText(const QString &text);

signals:
    void textChanged();
};
