#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

// The readable ".json" configuration document, built from the register image. It exports more
// than KivReadJson takes back (values, ranges of every block, the service dates).
class KivWriteJson : public QObject
{
    Q_OBJECT

public:
    // Below this many registers the image cannot be a device read.
    static constexpr int kMinRegisters = 2000;

    explicit KivWriteJson(QObject *parent = nullptr);

    // Relay thresholds are floats on Qev main boards, else integers.
    void setMainBoardQev(bool isQev) { m_mainBoardQev = isQev; }
    // Traffic-light thresholds in the device's float format, else integers.
    void setTlfThresholdsFloat(bool isFloat) { m_tlfThresholdsFloat = isFloat; }
    // The time the document's dates are counted from; the current time unless set.
    void setReferenceTime(const QDateTime &now) { m_now = now; }

    // Writes the document through a temporary file that replaces an existing one only when
    // everything was written; false (and no or the old file) otherwise.
    bool write(const QString &filePath, const QList<quint16> &registers);
    // The document itself, for the writer and for tests.
    QJsonObject document(const QString &filePath, const QList<quint16> &registers);

    // "TEMP", "CO2", ... for the measure numbers the document knows, "UNDEFINED" for -1,
    // "Unknown" otherwise.
    static QString measureName(qint32 type);

private:
    QDateTime m_now;
    QString m_filePath;
    QList<quint16> m_registers;
    bool m_mainBoardQev = false;
    bool m_tlfThresholdsFloat = false;
};
