#include "EmulatorProcess.h"
#include "FileSizeLimit.h"
#include "KivEmulatedDevice.h"
#include "KivTlfBlock.h"
#include "KivWritePdf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr int kToolWaitMs = 20000;

// The text of a PDF as poppler reads it; pages are separated by form feeds.
QString pdfText(const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(kToolWaitMs) || tool.exitCode() != 0)
        return {};
    // Ligatures ("ff" in "Offset") come back as one character; compatibility normalisation splits them.
    return QString::fromUtf8(tool.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

bool renderPage(const QString &path, int page, const QString &pngBase)
{
    QProcess tool;
    const QString number = QString::number(page);
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"), number,
                QStringLiteral("-l"), number, QStringLiteral("-singlefile"), path, pngBase});
    return tool.waitForFinished(kToolWaitMs) && tool.exitCode() == 0 && QFile::exists(pngBase + QStringLiteral(".png"));
}
} // namespace

// The protocol of every emulated device variant, read back with poppler.
class tst_KivWritePdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void protocol_ofEachVariant_showsItsSections_data();
    void protocol_ofEachVariant_showsItsSections();
    void protocol_withoutDevice_noLogoOrBlocks_stillWritten();
    void protocol_unwritable_isNoSuccessAndKeepsTheOldFile();

private:
    QTemporaryDir m_dir;
    KivShareBackend m_share;
    std::unique_ptr<KivEmulatedDevice> m_device;
};

void tst_KivWritePdf::initTestCase()
{
    qRegisterMetaType<BluetoothIoEnums::OperationMode>();
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("poppler-utils are not installed (scripts/setup.sh)");
    QVERIFY(QFile::exists(QStringLiteral(":/Images/Logo/veltaronLogoMain.png")));
}

void tst_KivWritePdf::cleanup()
{
    m_device.reset();
}

void tst_KivWritePdf::protocol_ofEachVariant_showsItsSections_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");
    // Texts every variant's protocol carries: the emulated sensor's name, serial number, unit
    // system, altitude, its four outputs with range and offset, display, traffic light, service.
    const QStringList common{QStringLiteral("Protokoll vom:"),
                             QStringLiteral("Allgemeine Einstellungen:"),
                             QStringLiteral("Name: KIV-THC LCD"),
                             QStringLiteral("Seriennummer: 2406153"),
                             QStringLiteral("Einheitensystem: Si"),
                             QStringLiteral("Höhe [m]: 245"),
                             QStringLiteral("Spannungsobergrenze [V]: 10"),
                             QStringLiteral("Versionsnummer: "),
                             QStringLiteral("Ausgang 1: Temperatur"),
                             QStringLiteral("Untergrenze: -15"),
                             QStringLiteral("Obergrenze: 35"),
                             QStringLiteral("Unteres Limit: -40"),
                             QStringLiteral("Oberes Limit: 85"),
                             QStringLiteral("Offset: 0"),
                             QStringLiteral("Ausgang 2: Relative Feuchte"),
                             QStringLiteral("Ausgang 3: CO2"),
                             QStringLiteral("Obergrenze: 2000"),
                             QStringLiteral("Ausgang 4: VOC"),
                             QStringLiteral("Display:"),
                             QStringLiteral("Display vorhanden"),
                             QStringLiteral("Helligkeit[%]: 80"),
                             QStringLiteral("Rotation[°]: 0"),
                             QStringLiteral("Kanal 1: Temperatur"),
                             QStringLiteral("Anzeige: Ja"),
                             QStringLiteral("TLF:"),
                             QStringLiteral("Messgröße: CO2"),
                             QStringLiteral("Einheit: ppm"),
                             QStringLiteral("Farbe Bereich 1: Grün"),
                             QStringLiteral("Farbe Bereich 2: Gelb"),
                             QStringLiteral("Farbe Bereich 3: Rot"),
                             QStringLiteral("Service:"),
                             QStringLiteral("Serviceintervall: 12 Monate"),
                             QStringLiteral("Kalibrierungsintervall: 24 Monate"),
                             QStringLiteral("Letzter Service: "),
                             QStringLiteral("Nächster Kalibrierung: ")};
    const QStringList intThresholds{QStringLiteral("Schwellwert 1: 800"), QStringLiteral("Schwellwert 2: 1200")};
    QTest::newRow("standard") << QStringLiteral("standard")
                              << common +
            intThresholds << QStringList{QStringLiteral("Relais1"), QStringLiteral("Modbus"), QStringLiteral("BACnet")};
    QTest::newRow("relay") << QStringLiteral("relay")
                           << common + intThresholds +
            QStringList{QStringLiteral("Relais1: Temperatur"), QStringLiteral("Relais2: CO2"),
                        QStringLiteral("Schwellwert 1: 24"),   QStringLiteral("Schwellwert 2: 1400"),
                        QStringLiteral("Hysterese: 50"),       QStringLiteral("Relais 1: Temperatur")}
                           << QStringList{QStringLiteral("Modbus"), QStringLiteral("BACnet")};
    // Bus boards from 2.3 on keep float thresholds: 800, not the float's bits as an integer.
    QTest::newRow("modbus") << QStringLiteral("modbus")
                            << common + intThresholds +
            QStringList{
                QStringLiteral("Modbus"),     QStringLiteral("Adresse (BUS): "),   QStringLiteral("Adresse (App): "),
                QStringLiteral("Baudrate: "), QStringLiteral("Übertragungsart: "), QStringLiteral("Parität: ")}
                            << QStringList{QStringLiteral("Relais1"), QStringLiteral("BACnet")};
    QTest::newRow("bacnet") << QStringLiteral("bacnet")
                            << common + intThresholds +
            QStringList{QStringLiteral("BACnet"),
                        QStringLiteral("MAC-Adresse:: "),
                        QStringLiteral("BACnet Offset-ID: "),
                        QStringLiteral("Übertragungsrate: "),
                        QStringLiteral("BACnet-Description: "),
                        QStringLiteral("COV-U: "),
                        QStringLiteral("Temperatur °C: ")}
                            << QStringList{QStringLiteral("Relais1"), QStringLiteral("Adresse (App)")};
    QTest::newRow("lora") << QStringLiteral("lora") << common + intThresholds
                          << QStringList{QStringLiteral("Relais1"), QStringLiteral("Modbus"), QStringLiteral("BACnet")};
}

void tst_KivWritePdf::protocol_ofEachVariant_showsItsSections()
{
    QFETCH(QString, variant);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);
    if (EmulatorProcess::programPath().isEmpty())
        QSKIP("kiv-emulator is not built");

    m_device = std::make_unique<KivEmulatedDevice>();
    const QString failure = m_device->start(m_dir.filePath(variant), variant, &m_share);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    KivBackend *backend = m_device->backend.get();

    const QString path = m_dir.filePath(variant + QStringLiteral(".pdf"));
    QSignalSpy created(backend, &KivBackend::onSaveFileCreateAt);
    QSignalSpy errors(backend, &KivBackend::errorPlainText);
    backend->createFileAt(path);
    QCOMPARE(errors.size(), 0);
    QCOMPARE(created.size(), 1);

    const QString text = pdfText(path);
    QVERIFY2(!text.isEmpty(), "pdftotext could not read the protocol");
    for (const QString &line : std::as_const(expected))
        QVERIFY2(text.contains(line), qPrintable(QStringLiteral("missing '%1' in:\n%2").arg(line, text)));
    for (const QString &line : std::as_const(absent))
        QVERIFY2(!text.contains(line), qPrintable(QStringLiteral("unexpected '%1'").arg(line)));
    // The protocol runs over more than one page; the header is drawn on the first only.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2, qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("Protokoll vom:")), 1);
    QVERIFY(pages.first().contains(QStringLiteral("Allgemeine Einstellungen:")));
    QVERIFY(!pages.at(1).contains(QStringLiteral("Allgemeine Einstellungen:")));

    const QString screenshots = qEnvironmentVariable("ORVANE_BUILD_DIR") + QStringLiteral("/screenshots");
    QVERIFY(QDir().mkpath(screenshots));
    QVERIFY(renderPage(path, 1, screenshots + QStringLiteral("/pdf_") + variant));
    QVERIFY(renderPage(path, 2, screenshots + QStringLiteral("/pdf_") + variant + QStringLiteral("_2")));
}

void tst_KivWritePdf::protocol_withoutDevice_noLogoOrBlocks_stillWritten()
{
    // No name ending in ".pdf" gets one; the upper-case suffix does not count.
    KivWritePdf writer;
    writer.setLogoPath(QStringLiteral(":/nothing.png"));
    const QString path = m_dir.filePath(QStringLiteral("empty.PDF"));
    QVERIFY(writer.write(path, QList<quint16>(10, 0), {}, {}, nullptr, nullptr, nullptr, nullptr));
    QVERIFY(QFile::exists(path + QStringLiteral(".pdf")));
    const QString text = pdfText(path + QStringLiteral(".pdf"));
    QVERIFY(text.contains(QStringLiteral("Allgemeine Einstellungen:")));
    QVERIFY(text.contains(QStringLiteral("Serviceintervall: -- Monate")));
    QVERIFY(text.contains(QStringLiteral("Letzter Service: Ungültiges Datum")));
    QVERIFY(text.contains(QStringLiteral("Einheitensystem: Imp")));
    QVERIFY(!text.contains(QStringLiteral("Display")));
    QVERIFY(!text.contains(QStringLiteral("TLF")));

    // A traffic light whose zones 1 and 2 show no colour.
    QList<quint16> image(200, 0);
    image[83] = 0x0100;
    image[110] = 0x0001;
    image[111] = 0x0300;
    const KivTlfBlock tlf;
    QVERIFY(writer.write(path, image, {}, {}, nullptr, &tlf, nullptr, nullptr));
    const QString tlfText = pdfText(path + QStringLiteral(".pdf"));
    QVERIFY2(tlfText.contains(QStringLiteral("Farbe Bereich 1: Keine")), qPrintable(tlfText));
    QVERIFY(tlfText.contains(QStringLiteral("Farbe Bereich 2: Keine")));
    QVERIFY(tlfText.contains(QStringLiteral("Farbe Bereich 3: Rot")));
}

void tst_KivWritePdf::protocol_unwritable_isNoSuccessAndKeepsTheOldFile()
{
    const QString path = m_dir.filePath(QStringLiteral("kept.pdf"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    KivWritePdf writer;
    {
        // The disk fills up while the protocol is written.
        const FileSizeLimit fullDisk(2048);
        QVERIFY(!writer.write(path, QList<quint16>(10, 0), {}, {}, nullptr, nullptr, nullptr, nullptr));
    }
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArrayLiteral("old"));
}

QTEST_MAIN(tst_KivWritePdf)
#include "tst_KivWritePdf.moc"
