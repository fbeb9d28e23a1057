#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

// A firmware version of four one-byte fields, ordered major, minor, revision, build.
// The device hands the bytes over least significant first, so the constructor takes them in
// that order; the text always reads major first.
class ApplicationVersion
{
    Q_GADGET
    Q_PROPERTY(int major READ major CONSTANT)
    Q_PROPERTY(int minor READ minor CONSTANT)
    Q_PROPERTY(int revision READ revision CONSTANT)
    Q_PROPERTY(int build READ build CONSTANT)
public:
    ApplicationVersion() = default;
    ApplicationVersion(quint8 build, quint8 revision, quint8 minor, quint8 major);

    // major in the most significant byte.
    static ApplicationVersion fromUInt32(quint32 value);
    // "2.3", "2.3.1" or "2.3.1.5"; missing parts are 0. Anything else gives 0.0.0.0 and ok = false.
    static ApplicationVersion fromString(const QString &text, bool *ok = nullptr);

    int major() const { return m_major; }
    int minor() const { return m_minor; }
    int revision() const { return m_revision; }
    int build() const { return m_build; }
    quint32 toUInt32() const;
    bool isNull() const;

    // The first `parts` numbers (1 to 4) joined by '.', major first.
    Q_INVOKABLE QString toString(int parts = 4) const;

    friend bool operator==(const ApplicationVersion &a, const ApplicationVersion &b)
    {
        return a.toUInt32() == b.toUInt32();
    }
    friend bool operator!=(const ApplicationVersion &a, const ApplicationVersion &b) { return !(a == b); }
    friend bool operator<(const ApplicationVersion &a, const ApplicationVersion &b)
    {
        return a.toUInt32() < b.toUInt32();
    }
    friend bool operator>(const ApplicationVersion &a, const ApplicationVersion &b) { return b < a; }
    friend bool operator<=(const ApplicationVersion &a, const ApplicationVersion &b) { return !(b < a); }
    friend bool operator>=(const ApplicationVersion &a, const ApplicationVersion &b) { return !(a < b); }

private:
    quint8 m_major = 0;
    quint8 m_minor = 0;
    quint8 m_revision = 0;
    quint8 m_build = 0;
};

Q_DECLARE_METATYPE(ApplicationVersion)
