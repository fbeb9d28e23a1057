#pragma once

#include <QObject>
#include <QString>

// The "PermissionHandler" singleton the plugin pages import. Mobile platforms must ask
// for serial, storage or Bluetooth access; on the desktop everything is already granted.
class PermissionHandler : public QObject
{
    Q_OBJECT
public:
    explicit PermissionHandler(QObject *parent = nullptr);

    Q_INVOKABLE bool hasSerialPermission() const;
    Q_INVOKABLE bool hasStoragePermission() const;
    Q_INVOKABLE bool hasBluetoothPermission() const;
    // Answers at once through the return value and, for pages that wait for it, permissionResult.
    Q_INVOKABLE bool requestPermission(const QString &permission);

signals:
    void permissionResult(const QString &permission, bool granted);
};
