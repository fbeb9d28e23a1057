#include "KivCfgFile.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// One input: the bytes of a ".cfg" file. Whatever reads back must also survive a write and a
// second read unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Every rejected input would otherwise print a line.
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("kiv.files=false"));
        return true;
    }();
    Q_UNUSED(quiet)
    static QTemporaryDir dir;
    const QString inputPath = dir.filePath(QStringLiteral("input.cfg"));
    const QString outputPath = dir.filePath(QStringLiteral("output.cfg"));
    {
        QFile input(inputPath);
        if (!input.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        input.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QList<quint16> registers = readCfgFile(inputPath);
    if (registers.isEmpty())
        return 0;
    if (!writeCfgFile(outputPath, registers) || readCfgFile(outputPath) != registers)
        std::abort();
    return 0;
}
