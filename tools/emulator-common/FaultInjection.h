#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

// Misbehaviour injected into the answers to requests addressed to the emulator.
class FaultInjection
{
public:
    enum class Kind { None, NoReply, BadCrc, Exception, Late, DropAfter, Garbage };
    enum class Action { Answer, Silence, CorruptCrc, AnswerException, AnswerLate, AnswerGarbage };

    // Accepts none, noreply, badcrc, exception:N, late:MS, drop-after:N, garbage.
    bool parse(const QString &text, QString *error);

    // The first `count` requests are answered normally, so a fault can strike in a later phase.
    void setStartAfter(int count);

    // Decides what happens to the next request addressed to us (counts it).
    Action next();

    Kind kind() const;
    int argument() const;
    QByteArray garbage();

private:
    Kind m_kind = Kind::None;
    int m_argument = 0;
    int m_answered = 0;
    int m_startAfter = 0;
    int m_passed = 0;
    QRandomGenerator m_random{0x6e6f6973u};
};
