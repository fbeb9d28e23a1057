#pragma once

#include <QCoreApplication>
#include <QJSEngine>
#include <QPointer>

// The one instance per process of a container class. QML singletons are registered with it
// once, so it must outlive any release and re-initialisation of the plugin: it is freed only
// when the application quits (or explicitly, by whoever owns the process lifetime).
template<typename T>
class NemtraProcessWide
{
public:
    static T *instance()
    {
        if (!s_instance) {
            T *created = new T();
            s_instance = created;
            // The QML engine must never collect it, whichever engine sees it first.
            QJSEngine::setObjectOwnership(created, QJSEngine::CppOwnership);
            if (QCoreApplication *app = QCoreApplication::instance())
                QObject::connect(app, &QCoreApplication::aboutToQuit, created, [] { releaseInstance(); });
        }
        return s_instance.data();
    }
    static bool hasInstance() { return !s_instance.isNull(); }
    // Hands the instance to deleteLater and forgets it; the next instance() creates a new one.
    static void releaseInstance()
    {
        if (T *old = s_instance.data()) {
            s_instance.clear();
            old->deleteLater();
        }
    }

private:
    static inline QPointer<T> s_instance;
};
