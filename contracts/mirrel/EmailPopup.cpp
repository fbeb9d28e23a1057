#include "EmailPopup.h"

#include <QDesktopServices>
#include <QUrlQuery>

EmailPopup::EmailPopup(const QString &shareTag, const QString &recipient, QObject *parent)
    : QObject(parent)
    , m_shareTag(shareTag)
    , m_recipient(recipient)
{
}

EmailPopup::EmailPopup(QObject *parent)
    : EmailPopup(QString(), QString(), parent)
{
}

QString EmailPopup::shareTag() const
{
    return m_shareTag;
}
QString EmailPopup::recipient() const
{
    return m_recipient;
}
QString EmailPopup::subject() const
{
    return m_subject;
}
QString EmailPopup::body() const
{
    return m_body;
}
QString EmailPopup::attachment() const
{
    return m_attachment;
}

QUrl EmailPopup::mailtoUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(m_recipient.trimmed());
    QUrlQuery query;
    if (!m_subject.isEmpty())
        query.addQueryItem(QStringLiteral("subject"), QString::fromUtf8(QUrl::toPercentEncoding(m_subject)));
    QString body = m_body;
    if (!m_attachment.isEmpty())
        body += (body.isEmpty() ? QString() : QStringLiteral("\n\n")) + tr("Datei: %1").arg(m_attachment);
    if (!body.isEmpty())
        query.addQueryItem(QStringLiteral("body"), QString::fromUtf8(QUrl::toPercentEncoding(body)));
    url.setQuery(query);
    return url;
}

bool EmailPopup::sendEmail()
{
    if (QDesktopServices::openUrl(mailtoUrl()))
        return true;
    emit errorPlainText(tr("Es konnte kein E-Mail-Programm geöffnet werden."));
    return false;
}

void EmailPopup::setRecipient(const QString &recipient)
{
    if (m_recipient == recipient)
        return;
    m_recipient = recipient;
    emit recipientChanged();
}

void EmailPopup::setSubject(const QString &subject)
{
    if (m_subject == subject)
        return;
    m_subject = subject;
    emit subjectChanged();
}

void EmailPopup::setBody(const QString &body)
{
    if (m_body == body)
        return;
    m_body = body;
    emit bodyChanged();
}

void EmailPopup::setAttachment(const QString &filePath)
{
    if (m_attachment == filePath)
        return;
    m_attachment = filePath;
    emit attachmentChanged();
}
