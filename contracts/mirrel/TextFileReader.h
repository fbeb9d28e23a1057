#pragma once

#include <QObject>
#include <QUrl>

// Reads a text file (resource, file URL or path) for QML pages: licences, manuals, previews.
class TextFileReader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY errorTextChanged)
public:
    explicit TextFileReader(QObject *parent = nullptr);

    QUrl source() const;
    QString text() const;
    QString errorText() const;

    // Files larger than this are refused rather than loaded into a text field.
    static constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;

    // Reads "qrc:/...", ":/...", "file:///..." or a plain path; empty text and errorText on failure.
    Q_INVOKABLE QString readFile(const QString &fileOrUrl);

public slots:
    void setSource(const QUrl &source);

signals:
    void sourceChanged();
    void textChanged();
    void errorTextChanged();

private:
    void setText(const QString &text);
    void setErrorText(const QString &text);

    QUrl m_source;
    QString m_text;
    QString m_errorText;
};
