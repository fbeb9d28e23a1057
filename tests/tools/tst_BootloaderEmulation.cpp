#include "BootloaderEmulation.h"
#include "KivDefaultImage.h"
#include "KivDeviceModel.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr quint16 K1 = BootloaderEmulation::kKey1;
constexpr quint16 K2 = BootloaderEmulation::kKey2;

QList<quint16> command(int pages, int index, quint16 cmd)
{
    return {0, 0, K1, K2, quint16(pages), quint16(index), cmd};
}

// Sends an image the way the configuration tool does: 50-word blocks, 20 of 50 and one of
// 24 per page, the last page filled up with zero blocks, then commit and finish.
template<typename Write>
void upload(const QByteArray &image, Write write)
{
    const int pages = (int(image.size()) + 2047) / 2048;
    QVERIFY(write(0, command(pages, 0, 1)));
    QByteArray rest = image;
    for (int page = 0; page < pages; ++page) {
        int offset = 0;
        int block = 0;
        while (offset < 2048) {
            int words = 50;
            if (offset + 2 * words >= 2048)
                words = (2048 - offset) / 2;
            QList<quint16> data;
            for (int w = 0; w < words; ++w) {
                const quint8 lo = 2 * w < rest.size() ? quint8(rest.at(2 * w)) : 0;
                const quint8 hi = 2 * w + 1 < rest.size() ? quint8(rest.at(2 * w + 1)) : 0;
                data.append(quint16(lo | (hi << 8)));
            }
            rest.remove(0, qMin(qsizetype(2 * words), rest.size()));
            QVERIFY(write(10 + 50 * block, data));
            offset += 2 * words;
            ++block;
        }
        QCOMPARE(block, 21);
        QVERIFY(write(0, command(pages, page, 2)));
    }
    QVERIFY(write(0, command(0, 0, 3)));
}
} // namespace

class tst_BootloaderEmulation : public QObject
{
    Q_OBJECT
private slots:
    void presenceAndInfo_readAsTheToolExpects();
    void upload_ofOddSizedImage_assembledAndZeroPadded();
    void commands_withoutKeyOrOutOfOrder_refused();
    void modelUpload_writesImageAndReturnsToApplication();
};

void tst_BootloaderEmulation::presenceAndInfo_readAsTheToolExpects()
{
    BootloaderEmulation bl;
    QList<quint16> values;
    QCOMPARE(bl.read(0, 2, &values), BootloaderEmulation::Result::Ok);
    QCOMPARE(values, (QList<quint16>{K1, K2}));
    QCOMPARE(bl.read(0, 10, &values), BootloaderEmulation::Result::Ok);
    QCOMPARE(values.size(), 10);
    QCOMPARE(bl.read(5, 5, &values), BootloaderEmulation::Result::Ok);
    QCOMPARE(bl.read(1030, 5, &values), BootloaderEmulation::Result::IllegalAddress);
    // Writing zeros over the presence words (as every command does) leaves them readable.
    QCOMPARE(bl.write(0, {0, 0}), BootloaderEmulation::Result::Ok);
    QCOMPARE(bl.read(0, 2, &values), BootloaderEmulation::Result::Ok);
    QCOMPARE(values, (QList<quint16>{K1, K2}));
}

void tst_BootloaderEmulation::upload_ofOddSizedImage_assembledAndZeroPadded()
{
    QByteArray image;
    for (int i = 0; i < 4097; ++i)
        image.append(char((i * 7 + 3) & 0xFF));
    BootloaderEmulation bl;
    upload(image,
           [&bl](int start, const QList<quint16> &v) { return bl.write(start, v) == BootloaderEmulation::Result::Ok; });
    QCOMPARE(bl.state(), BootloaderEmulation::State::Finished);
    QCOMPARE(bl.pageCount(), 3);
    QCOMPARE(bl.committedPages(), 3);
    QCOMPARE(bl.image().size(), 3 * 2048);
    QCOMPARE(bl.image().left(4097), image);
    QCOMPARE(bl.image().mid(4097), QByteArray(3 * 2048 - 4097, '\0'));
    QVERIFY(bl.lastError().isEmpty());
}

void tst_BootloaderEmulation::commands_withoutKeyOrOutOfOrder_refused()
{
    BootloaderEmulation bl;
    QCOMPARE(bl.write(0, {0, 0, 1, 2, 1, 0, 1}), BootloaderEmulation::Result::IllegalValue);
    QCOMPARE(bl.write(0, command(1, 0, 2)), BootloaderEmulation::Result::IllegalValue); // commit before start
    QCOMPARE(bl.write(0, command(0, 0, 3)), BootloaderEmulation::Result::IllegalValue); // finish before start
    QCOMPARE(bl.write(0, command(0, 0, 1)), BootloaderEmulation::Result::IllegalValue); // no pages
    QCOMPARE(bl.write(0, command(2, 0, 1)), BootloaderEmulation::Result::Ok);
    QCOMPARE(bl.write(0, command(2, 2, 2)), BootloaderEmulation::Result::IllegalValue); // page beyond count
    QCOMPARE(bl.write(0, command(2, 0, 9)), BootloaderEmulation::Result::IllegalValue);
    QCOMPARE(bl.write(1030, {1, 2, 3, 4, 5}), BootloaderEmulation::Result::IllegalAddress);
    // A finish with a page missing still ends the transfer but says so.
    QCOMPARE(bl.write(0, command(2, 0, 2)), BootloaderEmulation::Result::Ok);
    QCOMPARE(bl.write(0, command(0, 0, 3)), BootloaderEmulation::Result::Ok);
    QVERIFY(bl.lastError().contains(QLatin1String("1 of 2")));
}

void tst_BootloaderEmulation::modelUpload_writesImageAndReturnsToApplication()
{
    KivDeviceModel model(KivDefaultImage::build(KivDefaultImage::Variant::Standard));
    QSignalSpy finished(&model, &KivDeviceModel::bootloaderFinished);
    QSignalSpy restarting(&model, &KivDeviceModel::restarting);
    model.enterBootloader();
    const QByteArray image(100, 'x');
    upload(image, [&model](int start, const QList<quint16> &v) {
        return model.write(start, v) == KivDeviceModel::NoException;
    });
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toByteArray().left(100), image);
    QCOMPARE(model.mode(), KivDeviceModel::Mode::Application);
    QCOMPARE(restarting.size(), 1);
    QList<quint16> values;
    QCOMPARE(model.read(0, 1, &values), KivDeviceModel::NoException);
    QCOMPARE(values.at(0), quint16(8)); // the application's block count again
}

QTEST_GUILESS_MAIN(tst_BootloaderEmulation)
#include "tst_BootloaderEmulation.moc"
