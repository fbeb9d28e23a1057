#pragma once

#include <BaseContainer.h>

#include <QList>
#include <QVariant>

#include <NemtraProperty.h>

// A group of register properties shown on one page. The position of a property in the list is
// its value in the container's property enumeration, because the list arrives sorted by order.
class NemtraBaseContainer : public BaseContainer
{
    Q_OBJECT
public:
    explicit NemtraBaseContainer(QObject *parent = nullptr);
    ~NemtraBaseContainer() override;

    using QObject::property;
    // The property at that position; invalid when the container has none there.
    Q_INVOKABLE QVariant property(uchar propertyEnum) const;
    NemtraProperty *propertyAt(int position) const;
    const QList<NemtraProperty *> &properties() const { return m_properties; }
    int propertyCount() const;

public slots:
    void setData(QList<quint16> data) override;
    void reset() override;
    virtual void setProperties(QList<NemtraProperty *> properties);
    virtual bool hasAllProperties() const;

signals:
    void propertiesPassedOn();

protected:
    // Stores a list without adopting it: the properties belong to someone else.
    void setForeignProperties(const QList<NemtraProperty *> &properties);
    // Registers the class's property enumeration for QML once per process.
    static void registerPropertyEnum(const QMetaObject *meta, const char *module, const char *reason, bool *done);

private:
    void clearProperties(const QList<NemtraProperty *> &keep = {});

    QList<NemtraProperty *> m_properties;
    bool m_ownsProperties = true;
};
