#pragma once

#include <QString>

// Misbehaviour of the emulated bootloader, for testing how the upload copes: a bootloader that
// never identifies itself, one that answers the presence check with wrong words a number of
// times, and a link that drops in the middle of a page.
class BootloaderFault
{
public:
    enum class Kind { None, NoPresence, WrongWords, DropMidPage };

    // Accepts none, no-presence, wrong-words:N, drop-mid-page:P (P counts pages from 0).
    bool parse(const QString &text, QString *error);
    static QString names();

    Kind kind = Kind::None;
    int argument = 0;
};
