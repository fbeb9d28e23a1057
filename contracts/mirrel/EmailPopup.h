#pragma once

#include <QObject>
#include <QUrl>

// E-mail with a prepared file: builds a mailto: link for the system's mail program. A mailto:
// link cannot carry an attachment, so the body names the file's path.
class EmailPopup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString recipient READ recipient WRITE setRecipient NOTIFY recipientChanged)
    Q_PROPERTY(QString subject READ subject WRITE setSubject NOTIFY subjectChanged)
    Q_PROPERTY(QString body READ body WRITE setBody NOTIFY bodyChanged)
    Q_PROPERTY(QString attachment READ attachment WRITE setAttachment NOTIFY attachmentChanged)
public:
    // shareTag marks where a share request came from; recipient is the default address.
    EmailPopup(const QString &shareTag, const QString &recipient, QObject *parent = nullptr);
    explicit EmailPopup(QObject *parent = nullptr);

    QString shareTag() const;
    QString recipient() const;
    QString subject() const;
    QString body() const;
    QString attachment() const;

    Q_INVOKABLE QUrl mailtoUrl() const;
    // Opens the mail program; false (with errorPlainText) when none could be started.
    Q_INVOKABLE bool sendEmail();

public slots:
    void setRecipient(const QString &recipient);
    void setSubject(const QString &subject);
    void setBody(const QString &body);
    void setAttachment(const QString &filePath);

signals:
    void recipientChanged();
    void subjectChanged();
    void bodyChanged();
    void attachmentChanged();
    void errorPlainText(QString error);

private:
    QString m_shareTag;
    QString m_recipient;
    QString m_subject;
    QString m_body;
    QString m_attachment;
};
