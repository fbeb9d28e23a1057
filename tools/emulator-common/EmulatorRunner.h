#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <functional>

class LinkOptions;
class RegisterDevice;

// The life of an emulator program once its device exists: open the port, serve the device
// with the configured faults and wire model, print READY, run until SIGTERM or SIGINT.
class EmulatorRunner
{
public:
    struct Hooks
    {
        QByteArray marker; // raw text the device reacts to, if any
        std::function<void()> started; // the device is on the line (before READY)
        std::function<void()> finished; // the line is closed again
    };

    // Returns the program's exit code; 2 when the port cannot be opened.
    static int run(RegisterDevice *device, const LinkOptions &options, const QString &program, const Hooks &hooks);

    // Frames and diagnostics of the program's categories (e.g. "kiv.emulator") and the shared
    // ones are shown only when verbose; warnings always.
    static void configureLogging(const QString &programCategory, bool verbose);
    // One line, flushed at once so a supervising process sees it in time.
    static void printLine(FILE *stream, const QString &text);
};
