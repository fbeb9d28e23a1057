#include "KivUpdateInfo.h"

#include "Functions.h"

KivUpdateInfo::KivUpdateInfo(QObject *parent)
    : QObject(parent)
{
}

KivUpdateInfo::KivUpdateInfo(const QJsonObject &entry, QObject *parent)
    : QObject(parent)
    , m_deviceName(entry.value(QLatin1String("name")).toString())
    , m_urlGp(QUrl(entry.value(QLatin1String("url_gp")).toString(), QUrl::TolerantMode))
    , m_urlAp(QUrl(entry.value(QLatin1String("url_ap")).toString(), QUrl::TolerantMode))
    , m_versionGp(entry.value(QLatin1String("version_gp")).toDouble())
    , m_versionAp(entry.value(QLatin1String("version_ap")).toDouble())
    , m_progDelay(entry.value(QLatin1String("prog_delay")).toInt())
    , m_check1(entry.value(QLatin1String("check1")).toInt())
    , m_check2(entry.value(QLatin1String("check2")).toInt())
{
}

QString KivUpdateInfo::deviceName() const
{
    return m_deviceName;
}

QUrl KivUpdateInfo::urlGp() const
{
    return m_urlGp;
}

QUrl KivUpdateInfo::urlAp() const
{
    return m_urlAp;
}

double KivUpdateInfo::versionGp() const
{
    return m_versionGp;
}

double KivUpdateInfo::versionAp() const
{
    return m_versionAp;
}

int KivUpdateInfo::progDelay() const
{
    return m_progDelay;
}

int KivUpdateInfo::check1() const
{
    return m_check1;
}

int KivUpdateInfo::check2() const
{
    return m_check2;
}

void KivUpdateInfo::setDeviceName(const QString &deviceName)
{
    Functions::assignAndSignal(this, m_deviceName, deviceName, &KivUpdateInfo::deviceNameChanged);
}

void KivUpdateInfo::setUrlGp(const QUrl &urlGp)
{
    Functions::assignAndSignal(this, m_urlGp, urlGp, &KivUpdateInfo::urlGpChanged);
}

void KivUpdateInfo::setUrlAp(const QUrl &urlAp)
{
    Functions::assignAndSignal(this, m_urlAp, urlAp, &KivUpdateInfo::urlApChanged);
}

void KivUpdateInfo::setVersionGp(double versionGp)
{
    Functions::assignAndSignal(this, m_versionGp, versionGp, &KivUpdateInfo::versionGpChanged);
}

void KivUpdateInfo::setVersionAp(double versionAp)
{
    Functions::assignAndSignal(this, m_versionAp, versionAp, &KivUpdateInfo::versionApChanged);
}

void KivUpdateInfo::setProgDelay(int progDelay)
{
    Functions::assignAndSignal(this, m_progDelay, progDelay, &KivUpdateInfo::progDelayChanged);
}

void KivUpdateInfo::setCheck1(int check1)
{
    Functions::assignAndSignal(this, m_check1, check1, &KivUpdateInfo::check1Changed);
}

void KivUpdateInfo::setCheck2(int check2)
{
    Functions::assignAndSignal(this, m_check2, check2, &KivUpdateInfo::check2Changed);
}
