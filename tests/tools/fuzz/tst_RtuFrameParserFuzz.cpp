#include "FuzzSmoke.h"
#include "KivDeviceModel.h"
#include "ModbusCrc.h"
#include "RtuFrameParser.h"

#include <QTest>

namespace {
constexpr quint32 kSeed = 0x52545546;
constexpr int kMutationsPerSeed = 300;
constexpr int kRandomInputs = 2000;
} // namespace

// The RTU frame parser entry over its seed corpus, mutations and random streams in both modes.
class tst_RtuFrameParserFuzz : public QObject
{
    Q_OBJECT

private slots:
    void seedsAndMutations_eventsWellFormedAndBytesAccounted();
    void randomStreams_eventsWellFormedAndBytesAccounted();
    void repeatedBootloaderText_inOneRead_allReportedAndFramesKept();
};

void tst_RtuFrameParserFuzz::seedsAndMutations_eventsWellFormedAndBytesAccounted()
{
    QRandomGenerator random(kSeed);
    FuzzSmoke::feedCorpus(QStringLiteral(RTU_CORPUS_DIR), 5, random, kMutationsPerSeed);
}

void tst_RtuFrameParserFuzz::randomStreams_eventsWellFormedAndBytesAccounted()
{
    QRandomGenerator random(kSeed + 1);
    for (int i = 0; i < kRandomInputs; ++i) {
        QByteArray bytes = FuzzSmoke::randomBytes(random, 1200);
        if (bytes.size() >= 2 && i % 3 == 0)
            bytes[0] = char(bytes.at(0) | 0x80); // described clean traffic
        QCOMPARE(FuzzSmoke::feed(bytes), 0);
    }
}

// The client may repeat the bootloader text; each copy is reported and the requests after
// them survive, whether they arrive in one read or are left for the silence.
void tst_RtuFrameParserFuzz::repeatedBootloaderText_inOneRead_allReportedAndFramesKept()
{
    const QByteArray marker = KivDeviceModel::bootloaderEntryText();
    const QByteArray read = ModbusCrc::appended(QByteArray::fromHex("010300000002"));
    QByteArray requests;
    for (int i = 0; i < 40; ++i)
        requests += read;

    const auto count = [](const QList<RtuFrameParser::Event> &events, RtuFrameParser::Event::Kind kind) {
        return std::count_if(events.cbegin(), events.cend(), [kind](const auto &e) { return e.kind == kind; });
    };
    {
        RtuFrameParser parser;
        parser.setMarker(marker);
        const auto events = parser.feed(marker + marker + requests);
        QCOMPARE(count(events, RtuFrameParser::Event::Marker), 2);
        QCOMPARE(count(events, RtuFrameParser::Event::Frame), 40);
        QCOMPARE(parser.discardedBytes(), 0);
    }
    {
        RtuFrameParser parser;
        parser.setMarker(marker);
        auto events = parser.feed(marker + marker + marker);
        events += parser.flush();
        QCOMPARE(count(events, RtuFrameParser::Event::Marker), 3);
        QCOMPARE(parser.discardedBytes(), 0);
    }
}

QTEST_GUILESS_MAIN(tst_RtuFrameParserFuzz)
#include "tst_RtuFrameParserFuzz.moc"
