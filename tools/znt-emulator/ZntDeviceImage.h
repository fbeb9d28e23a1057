#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Factory register images of the ZNT device models the emulator can play.
class ZntDeviceImage
{
public:
    enum class Model { F3, Vtx };

    // One register-mapped value as a property definition describes it; enough to give the
    // register a plausible content inside its limits.
    struct Field
    {
        int reg = 0;
        int span = 1;
        double minimum = 0;
        double maximum = 0;
        double divisor = 1;
        int propertyType = 1; // as the framework numbers them: 3 and 5 are 32 bit, 7 hex strings
        int type = 0; // data block or container type
    };

    static bool parseModel(const QString &text, Model *model);
    static QStringList modelNames();
    static QString modelName(Model model);
    static quint16 deviceType(Model model);

    // The data block types of each of the four channels.
    static QList<QList<int>> channelTypes(Model model);
    // The 32 device-setup words describing those channels.
    static QList<quint16> setupWords(const QList<QList<int>> &channels);

    // 65535 registers: identification, device information and setup, the model's channel
    // blocks and container settings. The fields of a property map give every other mapped
    // register a plausible value; fields of channel blocks the model lacks stay empty.
    static QList<quint16> build(Model model, const QList<Field> &fields = {});
    // A device whose channels are the data blocks the property definitions describe; the
    // model gives identification, information and the contents of blocks it knows.
    static QList<quint16> buildFromDefinitions(Model model, const QList<Field> &fields);
    // The data block types each channel has in the definitions (types 16..254 only).
    static QList<QList<int>> channelsOf(const QList<Field> &fields);

    // Turns the image into an EnOcean bridge of the given gateway type: its device type, its
    // EnOcean identifiers and a few filters in each list.
    static void makeGateway(QList<quint16> &image, quint16 gatewayType);

    // A value inside the field's limits, as the raw registers hold it.
    static void fillPlausible(QList<quint16> &image, const Field &field);
    // Data block types whose value wanders like a measurement.
    static bool drifts(int type);

private:
    static QList<quint16> compose(Model model, const QList<Field> &fields, const QList<QList<int>> &channels);
};
