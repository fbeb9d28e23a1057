#include "TextFileReader.h"

#include <QFile>
#include <QStringDecoder>

namespace {
QString localPath(const QString &fileOrUrl)
{
    if (fileOrUrl.startsWith(QLatin1String("qrc:")))
        return QLatin1Char(':') + QUrl(fileOrUrl).path();
    const QUrl url(fileOrUrl);
    if (url.isLocalFile())
        return url.toLocalFile();
    return fileOrUrl;
}
} // namespace

TextFileReader::TextFileReader(QObject *parent)
    : QObject(parent)
{
}

QUrl TextFileReader::source() const
{
    return m_source;
}
QString TextFileReader::text() const
{
    return m_text;
}
QString TextFileReader::errorText() const
{
    return m_errorText;
}

QString TextFileReader::readFile(const QString &fileOrUrl)
{
    QFile file(localPath(fileOrUrl));
    if (!file.open(QIODevice::ReadOnly)) {
        setErrorText(tr("Datei kann nicht gelesen werden: %1").arg(fileOrUrl));
        setText({});
        return {};
    }
    if (file.size() > kMaxFileSize) {
        setErrorText(tr("Datei ist zu groß: %1").arg(fileOrUrl));
        setText({});
        return {};
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString content = utf8(bytes);
    // Older text files are Latin-1; show them readable instead of with replacement characters.
    if (utf8.hasError())
        content = QString::fromLatin1(bytes);
    setErrorText({});
    setText(content);
    return content;
}

void TextFileReader::setSource(const QUrl &source)
{
    if (m_source == source)
        return;
    m_source = source;
    emit sourceChanged();
    readFile(source.toString());
}

void TextFileReader::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    emit textChanged();
}

void TextFileReader::setErrorText(const QString &text)
{
    if (m_errorText == text)
        return;
    m_errorText = text;
    emit errorTextChanged();
}
