#pragma once

#include <QObject>

// Sharing a configuration file: the page asks for a file name, the back end writes the file
// into the temporary folder (saveFileForEMail -> createFileAt), and prepareFileForEMail then
// keeps a copy among the saved files and offers the file to the system.
class ShareBackend : public QObject
{
    Q_OBJECT
public:
    explicit ShareBackend(QObject *parent = nullptr);

    QString lastSharedFile() const;

public slots:
    // fileName must be a bare name with an extension; the file is created by whoever listens
    // to saveFileForEMail.
    void shareFile(const QString &fileName);
    void prepareFileForEMail(const QString &filePath);

signals:
    void saveFileForEMail(QString filePath);
    void addSaveEntry(QString fileName, QString filePath);
    void fileReadyToShare(QString filePath);
    void errorPlainText(QString error);
    void infoPlainText(QString info);

private:
    QString m_lastSharedFile;
};
