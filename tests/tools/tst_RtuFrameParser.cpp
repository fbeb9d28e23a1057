#include "ModbusCrc.h"
#include "RtuFrameParser.h"

#include <QTest>

namespace {
// Read 2 holding registers from 0 at id 1: the classic reference frame.
const QByteArray kRead = QByteArray::fromHex("010300000002c40b");
// Write the two registers 0x0001, 0x0002 from register 2 at id 1.
QByteArray writeMultiple()
{
    return ModbusCrc::appended(QByteArray::fromHex("01100002000204 00010002"));
}
} // namespace

class tst_RtuFrameParser : public QObject
{
    Q_OBJECT
private slots:
    void crc_referenceFrames_match();
    void wholeFrames_backToBack_splitByFunctionLength();
    void frameInPieces_assembledWithoutSilence();
    void truncatedFrame_discardedAtSilence();
    void corruptedCrc_droppedAndNextFrameFound();
    void garbageBeforeFrame_resynchronisesAtSilence();
    void unknownFunction_framedBySilence();
    void frameForOtherId_deliveredWithItsId();
    void bootloaderText_recognisedEvenInPieces();
    void endlessNoise_bufferStaysBounded();
};

void tst_RtuFrameParser::crc_referenceFrames_match()
{
    QCOMPARE(ModbusCrc::compute(QByteArray::fromHex("010300000002")), quint16(0x0bc4));
    QVERIFY(ModbusCrc::isValid(kRead));
    QVERIFY(!ModbusCrc::isValid(QByteArray::fromHex("010300000002c40c")));
    QVERIFY(!ModbusCrc::isValid(QByteArray::fromHex("01")));
}

void tst_RtuFrameParser::wholeFrames_backToBack_splitByFunctionLength()
{
    RtuFrameParser parser;
    const auto events = parser.feed(kRead + writeMultiple() + kRead);
    QCOMPARE(events.size(), 3);
    QCOMPARE(events.at(0).pdu, QByteArray::fromHex("0300000002"));
    QCOMPARE(events.at(1).function, quint8(16));
    QCOMPARE(events.at(1).raw, writeMultiple());
    QCOMPARE(events.at(2).slaveId, quint8(1));
    QCOMPARE(parser.pendingBytes(), 0);
}

void tst_RtuFrameParser::frameInPieces_assembledWithoutSilence()
{
    RtuFrameParser parser;
    const QByteArray frame = writeMultiple();
    QVERIFY(parser.feed(frame.left(1)).isEmpty());
    QVERIFY(parser.feed(frame.mid(1, 5)).isEmpty()); // byte count not yet known
    QVERIFY(parser.feed(frame.mid(6, 4)).isEmpty());
    const auto events = parser.feed(frame.mid(10));
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0).raw, frame);
}

void tst_RtuFrameParser::truncatedFrame_discardedAtSilence()
{
    RtuFrameParser parser;
    QVERIFY(parser.feed(kRead.left(6)).isEmpty());
    QVERIFY(parser.flush().isEmpty());
    QCOMPARE(parser.pendingBytes(), 0);
    // The next request after the silence is understood again.
    QCOMPARE(parser.feed(kRead).size(), 1);
}

void tst_RtuFrameParser::corruptedCrc_droppedAndNextFrameFound()
{
    RtuFrameParser parser;
    QByteArray bad = kRead;
    bad[7] = char(bad.at(7) ^ 0x01);
    auto events = parser.feed(bad + kRead);
    events += parser.flush();
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0).raw, kRead);
    QVERIFY(parser.crcErrors() >= 1);
}

void tst_RtuFrameParser::garbageBeforeFrame_resynchronisesAtSilence()
{
    RtuFrameParser parser;
    // 01 10 ... announces a long write that never comes; the real frame hides inside.
    auto events = parser.feed(QByteArray::fromHex("0110ffff00ffff") + kRead);
    events += parser.flush();
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0).raw, kRead);
    QCOMPARE(parser.pendingBytes(), 0);
}

void tst_RtuFrameParser::unknownFunction_framedBySilence()
{
    RtuFrameParser parser;
    const QByteArray reportId = ModbusCrc::appended(QByteArray::fromHex("0111"));
    QVERIFY(parser.feed(reportId).isEmpty());
    const auto events = parser.flush();
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0).function, quint8(0x11));
    // Random noise with an unknown function code is simply dropped.
    QVERIFY(parser.feed(QByteArray::fromHex("07414243")).isEmpty());
    QVERIFY(parser.flush().isEmpty());
}

void tst_RtuFrameParser::frameForOtherId_deliveredWithItsId()
{
    RtuFrameParser parser;
    const auto events = parser.feed(ModbusCrc::appended(QByteArray::fromHex("070300000001")));
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0).slaveId, quint8(7));
}

void tst_RtuFrameParser::bootloaderText_recognisedEvenInPieces()
{
    RtuFrameParser parser;
    parser.setMarker("StartBootloader");
    QVERIFY(parser.feed("StartBoot").isEmpty());
    auto events = parser.feed(QByteArray("loader") + kRead);
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).kind, RtuFrameParser::Event::Marker);
    QCOMPARE(events.at(1).raw, kRead);
}

void tst_RtuFrameParser::endlessNoise_bufferStaysBounded()
{
    RtuFrameParser parser;
    // 01 10 .. ff announces 264 bytes; feed far more noise without any silence.
    for (int i = 0; i < 100; ++i)
        parser.feed(QByteArray::fromHex("0110ffffffffff") + QByteArray(50, char(0xAA)));
    QVERIFY(parser.pendingBytes() <= RtuFrameParser::kMaxFrameSize);
    parser.flush();
    QCOMPARE(parser.pendingBytes(), 0);
}

QTEST_GUILESS_MAIN(tst_RtuFrameParser)
#include "tst_RtuFrameParser.moc"
