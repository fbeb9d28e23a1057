#include "BackendBase.h"

#include "Functions.h"

BackendBase::BackendBase(QObject *parent)
    : QObject(parent)
{
    // Subclasses and wiring emit errorPlainText directly, so the text is recorded from the signal.
    connect(this, &BackendBase::errorPlainText, this, &BackendBase::setErrorText);
}

QString BackendBase::appVersion() const
{
    return {};
}

void BackendBase::reportError(const QString &text)
{
    emit errorPlainText(text);
}

void BackendBase::setConnected(bool connected)
{
    Functions::assignAndSignal(this, m_connected, connected, &BackendBase::connectedChanged);
}

void BackendBase::setProgressMax(int progressMax)
{
    Functions::assignAndSignal(this, m_progressMax, progressMax, &BackendBase::progressMaxChanged);
}

void BackendBase::setProgressValue(int progressValue)
{
    Functions::assignAndSignal(this, m_progressValue, progressValue, &BackendBase::progressValueChanged);
}

void BackendBase::setShowProgressbar(bool showProgressbar)
{
    Functions::assignAndSignal(this, m_showProgressbar, showProgressbar, &BackendBase::showProgressbarChanged);
}

void BackendBase::setErrorText(const QString &text)
{
    Functions::assignAndSignal(this, m_errorText, text, &BackendBase::errorTextChanged);
}
