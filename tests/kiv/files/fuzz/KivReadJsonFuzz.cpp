#include "KivReadJson.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
// Counts every setting the reader hands on.
void connectCounter(KivReadJson &reader, int *settings)
{
    const auto count = [settings] { ++*settings; };
    QObject::connect(&reader, &KivReadJson::setAltitude, count);
    QObject::connect(&reader, &KivReadJson::setVoltage, count);
    QObject::connect(&reader, &KivReadJson::setMessureSystem, count);
    QObject::connect(&reader, &KivReadJson::setLcdBrigtness, count);
    QObject::connect(&reader, &KivReadJson::setLcdRotation, count);
    QObject::connect(&reader, &KivReadJson::setTlfOnOff, count);
    QObject::connect(&reader, &KivReadJson::setLcdChannel1, count);
    QObject::connect(&reader, &KivReadJson::setLcdChannel2, count);
    QObject::connect(&reader, &KivReadJson::setLcdChannel3, count);
    QObject::connect(&reader, &KivReadJson::setLcdChannel4, count);
    QObject::connect(&reader, &KivReadJson::setTlfFarbe1, count);
    QObject::connect(&reader, &KivReadJson::setTlfFarbe2, count);
    QObject::connect(&reader, &KivReadJson::setTlfFarbe3, count);
    QObject::connect(&reader, &KivReadJson::setTlfSchwelle1, count);
    QObject::connect(&reader, &KivReadJson::setTlfSchwelle2, count);
    QObject::connect(&reader, &KivReadJson::setTlfChannel, count);
    QObject::connect(&reader, &KivReadJson::setRelais, count);
    QObject::connect(&reader, &KivReadJson::setDataBlock, count);
    QObject::connect(&reader, &KivReadJson::setDeviceId, count);
    QObject::connect(&reader, &KivReadJson::setBaudRate, count);
    QObject::connect(&reader, &KivReadJson::setDipAdress, count);
    QObject::connect(&reader, &KivReadJson::setModus, count);
    QObject::connect(&reader, &KivReadJson::setParity, count);
}
} // namespace

// One input: the bytes of a ".json" document. A refused document must not hand on a single
// setting, and a failure is always reported; an accepted one never reports a failure.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("kiv.files=false"));
        return true;
    }();
    Q_UNUSED(quiet)
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.json"));
    {
        QFile input(path);
        if (!input.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        input.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    for (const bool checkBoard : {false, true}) {
        KivReadJson reader(path);
        if (checkBoard)
            reader.setExpectedBoardType(3);
        int settings = 0;
        int failures = 0;
        connectCounter(reader, &settings);
        QObject::connect(&reader, &KivReadJson::readFailed, [&failures] { ++failures; });
        const bool accepted = reader.read();
        if (accepted ? failures != 0 : (settings != 0 || failures != 1))
            std::abort();
    }
    return 0;
}
