#pragma once

#include <QString>

#include <memory>

class QProcess;
class QTemporaryDir;

// A virtual serial cable: two linked ptys made by socat in a fresh temporary folder.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();

    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    // Starts socat and polls until both links exist.
    bool start(int timeoutMs = 5000);
    void stop();

    QString deviceSide() const; // the emulator opens this one
    QString appSide() const; // the software under test opens this one
    QString errorString() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess *m_process = nullptr;
    QString m_error;
};
