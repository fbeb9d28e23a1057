#pragma once

// Q_PROPERTY of a model pointer needs the complete type.
#include <QAbstractItemModel>
#include <QObject>

// Base of a plugin's page manager: holds the two navigation models the drawer shows
// (navModelTop, navModelBottom) and the hooks a plugin fills in.
class BasePageManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QAbstractItemModel *navModelTop READ navModelTop NOTIFY navModelTopChanged)
    Q_PROPERTY(QAbstractItemModel *navModelBottom READ navModelBottom NOTIFY navModelBottomChanged)
public:
    explicit BasePageManager(QObject *parent = nullptr);

    QAbstractItemModel *navModelTop() const;
    QAbstractItemModel *navModelBottom() const;

public slots:
    // The longest navigation text; the drawer sizes itself by it.
    virtual QString getMaxWidthText();
    // Shows and hides navigation entries after a change of the device or the connection.
    virtual void updateModels();

signals:
    void navModelTopChanged();
    void navModelBottomChanged();

protected:
    // Not owned; a plugin creates its models with the page manager as parent.
    void setNavModelTop(QAbstractItemModel *model);
    void setNavModelBottom(QAbstractItemModel *model);

private:
    QAbstractItemModel *m_navModelTop = nullptr;
    QAbstractItemModel *m_navModelBottom = nullptr;
};
