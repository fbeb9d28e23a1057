#include "PermissionHandler.h"

#include "LogCategory.h"

PermissionHandler::PermissionHandler(QObject *parent)
    : QObject(parent)
{
}

bool PermissionHandler::hasSerialPermission() const
{
    return true;
}

bool PermissionHandler::hasStoragePermission() const
{
    return true;
}

bool PermissionHandler::hasBluetoothPermission() const
{
    return true;
}

bool PermissionHandler::requestPermission(const QString &permission)
{
    qCDebug(lcHost) << "permission requested:" << permission;
    emit permissionResult(permission, true);
    return true;
}
