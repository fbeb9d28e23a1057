#pragma once

#include <QList>
#include <QString>

// Register-image text files: one decimal value (0..65535) per line, registers 0..4999.
class RegisterImageFile
{
public:
    static constexpr int kLines = 5000;

    // Strict: exactly 5000 values (blank lines ignored, CR-LF accepted); anything else is refused
    // with a message naming the line.
    static bool load(const QString &path, QList<quint16> *values, QString *error);
    static bool parse(const QByteArray &text, QList<quint16> *values, QString *error);
    // Atomic: written to a temporary file and renamed over the target.
    static bool save(const QString &path, const QList<quint16> &values, QString *error);
    static QByteArray format(const QList<quint16> &values);
};
