#include "FaultInjection.h"

#include <climits>

namespace {
constexpr int kMaxExceptionCode = 255;
constexpr int kMaxLateMs = 600000;
constexpr int kGarbageMin = 3;
constexpr int kGarbageMax = 24;
} // namespace

bool FaultInjection::parse(const QString &text, QString *error)
{
    const QString kindText = text.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
    const QString argText = text.section(QLatin1Char(':'), 1).trimmed();
    const bool hasArgument = text.contains(QLatin1Char(':'));
    bool ok = false;
    const int value = argText.toInt(&ok);

    struct Plain
    {
        const char *name;
        Kind kind;
    };
    for (const Plain &p : {Plain{"none", Kind::None}, Plain{"noreply", Kind::NoReply}, Plain{"badcrc", Kind::BadCrc},
                           Plain{"garbage", Kind::Garbage}}) {
        if (kindText == QLatin1String(p.name)) {
            if (hasArgument) {
                *error = QStringLiteral("fault '%1' takes no argument").arg(kindText);
                return false;
            }
            m_kind = p.kind;
            m_argument = 0;
            return true;
        }
    }
    struct WithArg
    {
        const char *name;
        Kind kind;
        int min;
        int max;
    };
    for (const WithArg &w :
         {WithArg{"exception", Kind::Exception, 1, kMaxExceptionCode}, WithArg{"late", Kind::Late, 0, kMaxLateMs},
          WithArg{"drop-after", Kind::DropAfter, 0, INT_MAX}}) {
        if (kindText == QLatin1String(w.name)) {
            if (!hasArgument || !ok || value < w.min || value > w.max) {
                *error = QStringLiteral("fault '%1' needs a number from %2 to %3, e.g. %1:%4")
                             .arg(kindText)
                             .arg(w.min)
                             .arg(w.max)
                             .arg(qMax(w.min, 2));
                return false;
            }
            m_kind = w.kind;
            m_argument = value;
            return true;
        }
    }
    *error = QStringLiteral("unknown fault '%1' (none, noreply, badcrc, exception:N, late:MS, "
                            "drop-after:N, garbage)")
                 .arg(text);
    return false;
}

void FaultInjection::setStartAfter(int count)
{
    m_startAfter = qMax(0, count);
}

FaultInjection::Action FaultInjection::next()
{
    if (m_passed < m_startAfter) {
        ++m_passed;
        return Action::Answer;
    }
    switch (m_kind) {
    case Kind::None:
        return Action::Answer;
    case Kind::NoReply:
        return Action::Silence;
    case Kind::BadCrc:
        return Action::CorruptCrc;
    case Kind::Exception:
        return Action::AnswerException;
    case Kind::Late:
        return Action::AnswerLate;
    case Kind::Garbage:
        return Action::AnswerGarbage;
    case Kind::DropAfter:
        if (m_answered >= m_argument)
            return Action::Silence;
        ++m_answered;
        return Action::Answer;
    }
    return Action::Answer;
}

FaultInjection::Kind FaultInjection::kind() const
{
    return m_kind;
}

int FaultInjection::argument() const
{
    return m_argument;
}

QByteArray FaultInjection::garbage()
{
    QByteArray bytes(m_random.bounded(kGarbageMin, kGarbageMax + 1), '\0');
    for (char &b : bytes)
        b = char(m_random.bounded(256));
    return bytes;
}
