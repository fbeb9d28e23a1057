#pragma once

#include "TrafficLog.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

#include <memory>

class QTimer;

// The device link's traffic for the pages: a list of the recorded requests with their answers,
// brought up to date by polling the log while someone watches (the link never waits for the
// GUI), and its export as a CSV file.
class KivTrafficLogModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool live READ live WRITE setLive NOTIFY liveChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(int capacity READ capacity CONSTANT)
    Q_PROPERTY(int failedCount READ failedCount NOTIFY countChanged)

public:
    enum Roles {
        TimeRole = Qt::UserRole + 1,
        FunctionRole,
        RangeRole,
        ValuesRole,
        ErrorRole,
        FailedRole,
        RoundTripRole,
    };
    Q_ENUM(Roles)

    static constexpr int kRefreshMs = 250;

    explicit KivTrafficLogModel(std::shared_ptr<TrafficLog> log, QObject *parent = nullptr);

    const std::shared_ptr<TrafficLog> &log() const { return m_log; }
    bool live() const { return m_live; }
    void setLive(bool live);
    int capacity() const { return m_log->capacity(); }
    int failedCount() const { return m_failed; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The records as CSV: one line per request, separated by semicolons, with a header line.
    static QString toCsv(const QList<TrafficRecord> &records);
    static QString functionText(TrafficRecord::Function function);
    static QString rangeText(const TrafficRecord &record);

    // Takes what the link recorded since the last refresh.
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void clear();
    // The function and range texts are translated; rows already shown take the new language.
    void retranslate();
    // Writes everything held to filePath; false when the file cannot be written.
    Q_INVOKABLE bool exportCsv(const QString &filePath);
    // Writes a CSV under a time-stamped name into the save folder and reports where.
    Q_INVOKABLE void exportToSaveFolder();

signals:
    void liveChanged();
    void countChanged();
    void errorPlainText(QString text);
    void infoPlainText(QString text);

private:
    std::shared_ptr<TrafficLog> m_log;
    QList<TrafficRecord> m_rows;
    quint64 m_lastSequence = 0;
    quint64 m_lastChange = 0;
    int m_failed = 0;
    bool m_live = false;
    QTimer *m_timer = nullptr;
};
