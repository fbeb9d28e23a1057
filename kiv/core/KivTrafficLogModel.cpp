#include "KivTrafficLogModel.h"

#include "UtilityFunctions.h"

#include <QDateTime>
#include <QDir>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcKivTraffic, "kiv.traffic")

namespace {
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
const QString kListTimeFormat = QStringLiteral("hh:mm:ss.zzz");
constexpr QChar kSeparator = QLatin1Char(';');

QString valuesText(const QList<quint16> &values)
{
    QStringList words;
    words.reserve(values.size());
    for (quint16 value : values)
        words.append(QString::number(value));
    return words.join(QLatin1Char(' '));
}

// Error texts are free text: a separator, quote or line break inside must not split the line.
QString csvField(const QString &text)
{
    if (!text.contains(kSeparator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

KivTrafficLogModel::KivTrafficLogModel(std::shared_ptr<TrafficLog> log, QObject *parent)
    : QAbstractListModel(parent)
    , m_log(log ? std::move(log) : std::make_shared<TrafficLog>())
{
    m_timer = new QTimer(this);
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &KivTrafficLogModel::refresh);
}

void KivTrafficLogModel::setLive(bool live)
{
    if (m_live == live)
        return;
    m_live = live;
    if (live) {
        refresh();
        m_timer->start();
    } else {
        m_timer->stop();
    }
    emit liveChanged();
}

int KivTrafficLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant KivTrafficLogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return {};
    const TrafficRecord &record = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TimeRole:
        return QDateTime::fromMSecsSinceEpoch(record.sentMsecs).toString(kListTimeFormat);
    case FunctionRole:
        return functionText(record.function);
    case RangeRole:
        return rangeText(record);
    case ValuesRole:
        return valuesText(record.values);
    case ErrorRole:
        return record.error;
    case FailedRole:
        return record.failed();
    case RoundTripRole:
        return double(record.roundTripUs) / 1000.0;
    default:
        return {};
    }
}

QHash<int, QByteArray> KivTrafficLogModel::roleNames() const
{
    return {{TimeRole, "time"},   {FunctionRole, "functionText"}, {RangeRole, "range"},        {ValuesRole, "values"},
            {ErrorRole, "error"}, {FailedRole, "failed"},         {RoundTripRole, "roundTrip"}};
}

QString KivTrafficLogModel::functionText(TrafficRecord::Function function)
{
    switch (function) {
    case TrafficRecord::ReadHolding:
        return tr("03 Lesen");
    case TrafficRecord::WriteSingle:
        return tr("06 Schreiben");
    case TrafficRecord::WriteMultiple:
        return tr("16 Schreiben");
    case TrafficRecord::Raw:
        break;
    }
    return tr("Rohdaten");
}

QString KivTrafficLogModel::rangeText(const TrafficRecord &record)
{
    if (record.function == TrafficRecord::Raw)
        return tr("%n Byte(s)", nullptr, int(record.count));
    if (record.count <= 1)
        return QString::number(record.start);
    return QStringLiteral("%1–%2").arg(record.start).arg(record.start + record.count - 1);
}

QString KivTrafficLogModel::toCsv(const QList<TrafficRecord> &records)
{
    QString csv = QStringList{tr("Nr."),    tr("Zeit"),       tr("Funktion"), tr("Startregister"), tr("Endregister"),
                              tr("Anzahl"), tr("Dauer [ms]"), tr("Werte"),    tr("Fehler")}
                      .join(kSeparator) +
        QLatin1Char('\n');
    for (const TrafficRecord &record : records) {
        const bool raw = record.function == TrafficRecord::Raw;
        const QString last = raw || record.count == 0 ? QString() : QString::number(record.start + record.count - 1);
        csv += QStringList{QString::number(record.sequence),
                           QDateTime::fromMSecsSinceEpoch(record.sentMsecs).toString(kTimeFormat),
                           QString::number(int(record.function)),
                           raw ? QString() : QString::number(record.start),
                           last,
                           QString::number(record.count),
                           QString::number(double(record.roundTripUs) / 1000.0, 'f', 3),
                           valuesText(record.values),
                           csvField(record.error)}
                   .join(kSeparator) +
            QLatin1Char('\n');
    }
    return csv;
}

void KivTrafficLogModel::refresh()
{
    const quint64 change = m_log->changeCount();
    if (change == m_lastChange)
        return;
    m_lastChange = change;
    const QList<TrafficRecord> fresh = m_log->records(m_lastSequence);
    if (fresh.isEmpty())
        return;
    m_lastSequence = fresh.last().sequence;

    // Older rows give way as the log's own buffer does, so both hold the same records.
    const qsizetype overflow = m_rows.size() + fresh.size() - m_log->capacity();
    if (overflow > 0) {
        const qsizetype drop = std::min(overflow, m_rows.size());
        if (drop > 0) {
            beginRemoveRows({}, 0, int(drop - 1));
            for (qsizetype i = 0; i < drop; ++i) {
                if (m_rows.at(i).failed())
                    --m_failed;
            }
            m_rows.remove(0, drop);
            endRemoveRows();
        }
    }
    const QList<TrafficRecord> added = fresh.mid(std::max<qsizetype>(0, fresh.size() - m_log->capacity()));
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + added.size() - 1));
    for (const TrafficRecord &record : added) {
        if (record.failed())
            ++m_failed;
        m_rows.append(record);
    }
    endInsertRows();
    emit countChanged();
}

void KivTrafficLogModel::retranslate()
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0), index(int(m_rows.size() - 1)), {FunctionRole, RangeRole});
}

void KivTrafficLogModel::clear()
{
    m_log->clear();
    beginResetModel();
    m_rows.clear();
    m_failed = 0;
    // Records numbered up to here are gone; later ones start above.
    m_lastSequence = m_log->recorded();
    m_lastChange = m_log->changeCount();
    endResetModel();
    emit countChanged();
}

bool KivTrafficLogModel::exportCsv(const QString &filePath)
{
    // Straight from the log, so a page that is not watching still exports everything.
    const QByteArray bytes = toCsv(m_log->records()).toUtf8();
    QSaveFile file(filePath);
    if (filePath.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcKivTraffic) << "cannot write" << filePath;
        return false;
    }
    return true;
}

void KivTrafficLogModel::exportToSaveFolder()
{
    const QString folder = UtilityFunctions::saveFileDirectory();
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/KivTraffic_") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")) + QStringLiteral(".csv");
    if (exportCsv(path))
        emit infoPlainText(tr("Datenverkehr gespeichert unter %1").arg(QDir::toNativeSeparators(path)));
    else
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}
