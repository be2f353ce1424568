#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <optional>

namespace platform {

// The system registry as the program reads it: under a root handle, a key
// holds named values, each a type and its bytes. This platform has no such
// registry, so the program's holds no keys; tests install one of their own.
class Registry
{
public:
    static constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002;
    static constexpr quint32 REG_SZ = 1;
    static constexpr quint32 REG_DWORD = 4;

    struct Value
    {
        quint32 type = 0;
        QByteArray bytes;
    };

    virtual ~Registry() = default;

    // None when the key or the value does not exist.
    virtual std::optional<Value> value(quint32 root, const QString &key, const QString &valueName) const = 0;

    // The installed registry, else the system's.
    static const Registry &instance();
    // For tests; nullptr gives the system's back.
    static void install(const Registry *registry);
};

} // namespace platform
