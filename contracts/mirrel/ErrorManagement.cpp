#include "ErrorManagement.h"

#include "MirrelLogging.h"

ErrorManagement::ErrorManagement(QObject *parent)
    : QObject(parent)
{
}

QStringList ErrorManagement::errorMsg() const
{
    return m_messages;
}

int ErrorManagement::count() const
{
    return int(m_messages.size());
}

bool ErrorManagement::hasErrors() const
{
    return !m_messages.isEmpty();
}

QString ErrorManagement::takeFirst()
{
    if (m_messages.isEmpty())
        return {};
    const QString first = m_messages.takeFirst();
    emit errorMsgChanged(m_messages);
    return first;
}

void ErrorManagement::removeAt(int index)
{
    if (index < 0 || index >= m_messages.size())
        return;
    m_messages.removeAt(index);
    emit errorMsgChanged(m_messages);
}

void ErrorManagement::addErrorMessage(const QString &message)
{
    const QString text = message.trimmed();
    if (text.isEmpty() || m_messages.contains(text))
        return;
    qCInfo(lcMirrel) << "error:" << text;
    m_messages.append(text);
    while (m_messages.size() > kMaxMessages)
        m_messages.removeFirst();
    emit errorMsgChanged(m_messages);
    emit newErrorMessage(text);
}

void ErrorManagement::clearErrors()
{
    if (m_messages.isEmpty())
        return;
    m_messages.clear();
    emit errorMsgChanged(m_messages);
}

void ErrorManagement::bootloaderStart()
{
    addErrorMessage(tr("Der Bootloader konnte nicht gestartet werden. Bitte Verbindung prüfen und erneut versuchen."));
}

void ErrorManagement::bootloaderFile()
{
    addErrorMessage(
        tr("Die Firmware-Datei für den Bootloader ist nicht verfügbar. Bitte Update erneut herunterladen."));
}

void ErrorManagement::updateFileError(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::NoError:
    case QNetworkReply::OperationCanceledError: // the user cancelled; nothing went wrong
        return;
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        addErrorMessage(tr("Update-Server nicht erreichbar. Bitte Internetverbindung prüfen."));
        return;
    case QNetworkReply::TimeoutError:
        addErrorMessage(tr("Zeitüberschreitung beim Herunterladen des Updates."));
        return;
    case QNetworkReply::ContentNotFoundError:
        addErrorMessage(tr("Die Update-Datei wurde auf dem Server nicht gefunden."));
        return;
    case QNetworkReply::SslHandshakeFailedError:
        addErrorMessage(tr("Sichere Verbindung zum Update-Server fehlgeschlagen."));
        return;
    default:
        addErrorMessage(tr("Fehler beim Herunterladen des Updates (Code %1).").arg(int(error)));
        return;
    }
}

void ErrorManagement::failedCommunication()
{
    addErrorMessage(tr("Kommunikation mit dem Gerät fehlgeschlagen. Bitte Verbindung und Einstellungen prüfen."));
}
