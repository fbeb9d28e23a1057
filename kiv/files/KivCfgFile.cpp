#include "KivCfgFile.h"

#include "KivFilesLogging.h"
#include "KivSaveFile.h"

#include <QDataStream>
#include <QFile>
#include <QtEndian>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace {
// Files from 3.4.0 on store the register count in front of the words.
constexpr int kFirstCountedVersion = 30400;
constexpr int kVersionParts = 3;

int encodedVersion(const QString &versionText)
{
    const QStringList parts = versionText.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() < kVersionParts)
        return -1;
    // A part that is not a number counts as 0, as older writers produced such headers.
    const auto part = [&parts](int i) { return qint64(parts.at(i).toInt()); };
    const qint64 version = part(0) * 10000 + part(1) * 100 + part(2);
    return int(std::clamp<qint64>(version, 0, std::numeric_limits<int>::max()));
}

// QDataStream allocates whatever length a damaged header string claims (up to megabytes) before
// it finds the file too short; a claim past the end of the file cannot be read anyway.
bool headerFits(QFile &file)
{
    const QByteArray length = file.peek(sizeof(quint32));
    if (length.size() < qsizetype(sizeof(quint32)))
        return true;
    const quint32 bytes = qFromBigEndian<quint32>(length.constData());
    return bytes == 0xFFFFFFFFu || qint64(bytes) <= file.size() - file.pos() - qint64(sizeof(quint32));
}
} // namespace

QList<quint16> readCfgFile(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcKivFiles) << "cannot open" << filePath << file.errorString();
        return {};
    }
    QDataStream in(&file);
    QString header;
    if (headerFits(file))
        in >> header;
    const QLatin1String prefix(kCfgHeaderPrefix);
    if (in.status() != QDataStream::Ok || header.isEmpty() || !header.startsWith(prefix)) {
        qCDebug(lcKivFiles) << "not a register-image file" << filePath;
        return {};
    }
    const int version = encodedVersion(header.mid(prefix.size()));
    if (version < 0) {
        qCDebug(lcKivFiles) << "short version in" << filePath << header;
        return {};
    }

    QList<quint16> registers;
    if (version >= kFirstCountedVersion) {
        // Same bytes as QDataStream's QList<quint16>, but the count is checked against the file
        // first: the stream would reserve whatever a damaged count claims.
        quint32 count = 0;
        in >> count;
        const qint64 wordsLeft = (file.size() - file.pos()) / qint64(sizeof(quint16));
        if (in.status() != QDataStream::Ok || qint64(count) > wordsLeft)
            return {};
        registers.reserve(qsizetype(count));
        for (quint32 i = 0; i < count; ++i) {
            quint16 word = 0;
            in >> word;
            registers.append(word);
        }
        if (in.status() != QDataStream::Ok)
            return {};
        return registers;
    }
    while (!in.atEnd()) {
        quint16 word = 0;
        in >> word;
        if (in.status() != QDataStream::Ok)
            return {};
        registers.append(word);
    }
    return registers;
}

bool writeCfgFile(const QString &filePath, const QList<quint16> &registers)
{
    // Through a temporary file: a failed write must neither pass as saved nor destroy the
    // configuration saved before under that name.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcKivFiles) << "cannot create" << filePath << file.errorString();
        return false;
    }
    QDataStream out(&file);
    out << QStringLiteral("%1%2").arg(QLatin1String(kCfgHeaderPrefix), QLatin1String(kCfgWriterVersion));
    out << registers;
    return finishSaveFile(file, out.status() == QDataStream::Ok);
}
