#pragma once

#include "KivCfgFile.h"
#include "SaveAndLoad.h"

#include <QList>
#include <QString>
#include <QVariantList>

// The KIV plugin's saved configurations: writes the register image as ".cfg" (and hands ".json"
// and ".pdf" to the back end), loads ".cfg" files and adds the device name to a file's
// information. Published to QML as the back end's saveLoadBackend.
class KivSaveAndLoad : public SaveAndLoad
{
    Q_OBJECT

public:
    // registerImage is the back end's image; not owned, it must outlive this object.
    explicit KivSaveAndLoad(QList<quint16> *registerImage, QObject *parent = nullptr);

    // Outcome of checking a loaded image against the connected device.
    enum class LoadCheck { Applied, Empty, OtherDevice };

    // Merges loaded into image: refuses an empty list and a file of another device (registers 4
    // to 23 differ while both sides hold at least 25 registers); otherwise keeps the device's own
    // identity, counter and service registers, copies the rest into image and stores in
    // *changed how many registers took a new value. image is untouched unless Applied.
    static LoadCheck applyLoadedImage(const QList<quint16> &loaded, QList<quint16> &image, int *changed = nullptr);
    // The progress maximum of replaying that many changed registers.
    static int progressMaximumFor(int changed);

    // The framework's file information with the stored device name at position 3.
    Q_INVOKABLE QVariantList getSaveInfo(const QString &fileName) override;

public slots:
    void loadSettingsFromPath(const QString &filePath) override;
    void writeSettingsToHd(const QString &fileName, bool temporary) override;

signals:
    void loadJsonFromFilePath(QString filePath);
    void unknownFileOrigin(QString filePath);
    void loadingFromHdStart();
    void setProgressMaximum(int maximum);
    void setProgressCurrent(int current);
    void writingFileSuccessfully();
    void writeJson(QString filePath);
    void writePdf(QString filePath);

private:
    QList<quint16> *m_registerImage = nullptr;
};
