#include "ModbusCrc.h"
#include "RtuFrameParser.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// One input: byte 0 chooses the mode, byte 1 the pattern of read sizes, the rest is the stream.
//  - raw mode: arbitrary bytes, optionally with the bootloader text and silences between reads;
//    every event must be well formed, the buffer bounded and every byte accounted for.
//  - clean mode (bit 7): the rest describes well-formed requests and bootloader texts; however
//    the stream is cut into reads, exactly those must come out, in order, with nothing dropped.
namespace {
// The emulator's bootloader entry text (KivDeviceModel::bootloaderEntryText; the fuzzer links no emulator library).
const QByteArray kMarker = QByteArrayLiteral("StartBootloader");
// Write multiple with a byte count of 255: the longest request the length rule can cut.
constexpr int kLongestCut = 9 + 255;
// Protocol limit for write multiple (123 registers, 1968 coils).
constexpr int kMaxByteCount = 246;

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "RtuFrameParserFuzz: %s (line %d)\n", #condition, __LINE__);                          \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Read sizes: mostly small, now and then a long one.
class Reads
{
public:
    explicit Reads(quint8 seed)
        : m_state(0x9E3779B9u ^ seed)
    {
    }
    int next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        const quint32 r = m_state >> 8;
        return (r & 3) == 0 ? 1 + int((r >> 2) % 300) : 1 + int((r >> 2) % 16);
    }
    bool coin()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 28) & 1;
    }

private:
    quint32 m_state;
};

struct Tally
{
    qint64 fed = 0;
    qint64 taken = 0;
};

void checkEvents(const QList<RtuFrameParser::Event> &events, const QByteArray &marker, Tally *tally)
{
    for (const RtuFrameParser::Event &e : events) {
        if (e.kind == RtuFrameParser::Event::Marker) {
            FUZZ_CHECK(!marker.isEmpty() && e.raw == marker);
        } else {
            FUZZ_CHECK(e.raw.size() >= 4 && e.raw.size() <= kLongestCut);
            FUZZ_CHECK(ModbusCrc::isValid(e.raw));
            FUZZ_CHECK(e.slaveId == quint8(e.raw.at(0)) && e.function == quint8(e.raw.at(1)));
            FUZZ_CHECK(e.pdu == e.raw.mid(1, e.raw.size() - 3));
        }
        tally->taken += e.raw.size();
    }
}

void checkBalance(const RtuFrameParser &parser, const Tally &tally)
{
    FUZZ_CHECK(tally.fed == tally.taken + parser.discardedBytes() + parser.pendingBytes());
}

void rawStream(const QByteArray &stream, bool withMarker, bool withSilences, Reads reads)
{
    RtuFrameParser parser;
    const QByteArray marker = withMarker ? kMarker : QByteArray();
    parser.setMarker(marker);
    const int bound = qMax(RtuFrameParser::kMaxFrameSize, int(marker.size()));
    Tally tally;
    for (int at = 0; at < stream.size();) {
        const QByteArray read = stream.mid(at, reads.next());
        at += int(read.size());
        tally.fed += read.size();
        checkEvents(parser.feed(read), marker, &tally);
        FUZZ_CHECK(parser.pendingBytes() <= bound);
        checkBalance(parser, tally);
        if (withSilences && reads.coin()) {
            checkEvents(parser.flush(), marker, &tally);
            FUZZ_CHECK(parser.pendingBytes() == 0);
            checkBalance(parser, tally);
        }
    }
    checkEvents(parser.flush(), marker, &tally);
    FUZZ_CHECK(parser.pendingBytes() == 0);
    checkBalance(parser, tally);
}

// Builds requests and bootloader texts from the description bytes.
QList<QByteArray> describedItems(const QByteArray &description)
{
    static const quint8 fixedFunctions[] = {1, 2, 3, 4, 5, 6};
    QList<QByteArray> items;
    int at = 0;
    const auto next = [&] { return at < description.size() ? quint8(description.at(at++)) : quint8(0); };
    while (at < description.size()) {
        const quint8 kind = next();
        if (kind % 4 == 0) {
            items.append(kMarker);
            continue;
        }
        QByteArray frame;
        frame.append(char(next()));
        if (kind % 4 == 3) {
            const int byteCount = next() % (kMaxByteCount + 1);
            frame.append(char(kind & 0x10 ? 15 : 16));
            for (int i = 0; i < 4; ++i)
                frame.append(char(next()));
            frame.append(char(byteCount));
            for (int i = 0; i < byteCount; ++i)
                frame.append(char(next()));
        } else {
            frame.append(char(fixedFunctions[(kind >> 2) % 6]));
            for (int i = 0; i < 4; ++i)
                frame.append(char(next()));
        }
        items.append(ModbusCrc::appended(frame));
    }
    return items;
}

void cleanStream(const QByteArray &description, Reads reads)
{
    const QList<QByteArray> items = describedItems(description);
    QByteArray stream;
    QList<qsizetype> markerAt;
    for (const QByteArray &item : items) {
        if (item == kMarker)
            markerAt.append(stream.size());
        stream.append(item);
    }
    // A request whose bytes happen to spell the bootloader text is not clean traffic.
    QList<qsizetype> found;
    for (qsizetype at = stream.indexOf(kMarker); at >= 0; at = stream.indexOf(kMarker, at + 1))
        found.append(at);
    if (found != markerAt)
        return;

    RtuFrameParser parser;
    parser.setMarker(kMarker);
    QList<RtuFrameParser::Event> events;
    for (int at = 0; at < stream.size();) {
        const QByteArray read = stream.mid(at, reads.next());
        at += int(read.size());
        events.append(parser.feed(read));
    }
    events.append(parser.flush());

    FUZZ_CHECK(events.size() == items.size());
    for (int i = 0; i < items.size(); ++i) {
        const bool isMarker = items.at(i) == kMarker;
        FUZZ_CHECK(events.at(i).kind == (isMarker ? RtuFrameParser::Event::Marker : RtuFrameParser::Event::Frame));
        FUZZ_CHECK(events.at(i).raw == items.at(i));
    }
    FUZZ_CHECK(parser.discardedBytes() == 0 && parser.crcErrors() == 0 && parser.pendingBytes() == 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const quint8 mode = data[0];
    const Reads reads(data[1]);
    const QByteArray rest(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    if (mode & 0x80)
        cleanStream(rest, reads);
    else
        rawStream(rest, mode & 1, mode & 2, reads);
    return 0;
}
