#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>

// Reads a ".json" configuration document and hands each setting it takes back to whoever is
// connected, one signal per setting. A document is checked whole before the first signal: a
// refused file sets nothing.
class KivReadJson : public QObject
{
    Q_OBJECT

public:
    explicit KivReadJson(const QString &filePath, QObject *parent = nullptr);

    // With a board type set, a document of another add-on board is refused: its relay and bus
    // settings would land in registers that mean something else on this board.
    void setExpectedBoardType(qint32 boardType);

    bool read();

    // The measure number of a document's measure text; 0 for texts it does not know.
    static int measureNumber(const QString &name);
    // Entries of a setDataBlock list; absent values are NaN.
    enum DataBlockEntry { DataType = 0, DataRangeLow, DataRangeHigh, DataChannel, DataOffset, DataEntries };

signals:
    void readFailed(QString errorMsg);
    void setAltitude(int altitude);
    void setVoltage(int voltage);
    void setMessureSystem(int system);
    void setLcdBrigtness(int brightness);
    void setLcdRotation(int rotation);
    void setTlfOnOff(uint8_t onOff);
    void setLcdChannel1(int show);
    void setLcdChannel2(int show);
    void setLcdChannel3(int show);
    void setLcdChannel4(int show);
    void setTlfFarbe1(uint8_t color);
    void setTlfFarbe2(uint8_t color);
    void setTlfFarbe3(uint8_t color);
    void setTlfSchwelle1(double threshold);
    void setTlfSchwelle2(double threshold);
    void setTlfChannel(uint8_t channel);
    void setRelais(int id, QList<int> values);
    void setDataBlock(int id, QList<double> values);
    void setDeviceId(int deviceId);
    void setBaudRate(int baudRate);
    void setDipAdress(int address);
    void setModus(int mode);
    void setParity(int parity);

private:
    bool parse(const QByteArray &bytes, QJsonObject *configuration);
    void emitSettings(const QJsonObject &configuration);

    QString m_filePath;
    qint32 m_expectedBoardType = 0;
    bool m_checkBoardType = false;
};
