#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QStringList>

// The error list the pages show in the error pop-up. Every part routes its user-facing
// failures here; the pop-up reads errorMsg and clears what it has shown.
class ErrorManagement : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList errorMsg READ errorMsg NOTIFY errorMsgChanged)
    Q_PROPERTY(int count READ count NOTIFY errorMsgChanged)
    Q_PROPERTY(bool hasErrors READ hasErrors NOTIFY errorMsgChanged)
public:
    explicit ErrorManagement(QObject *parent = nullptr);

    QStringList errorMsg() const;
    int count() const;
    bool hasErrors() const;

    // Oldest messages give way once the list is this long, so a flapping link cannot grow it forever.
    static constexpr int kMaxMessages = 50;

    Q_INVOKABLE QString takeFirst();
    Q_INVOKABLE void removeAt(int index);

public slots:
    // A message already waiting in the list is not added a second time.
    void addErrorMessage(const QString &message);
    void clearErrors();
    void bootloaderStart();
    void bootloaderFile();
    void updateFileError(QNetworkReply::NetworkError error);
    void failedCommunication();

signals:
    void errorMsgChanged(QStringList errorMsg);
    // Emitted for every accepted message, so a pop-up can open.
    void newErrorMessage(QString message);

private:
    QStringList m_messages;
};
