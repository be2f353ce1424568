#include "platform/registry.h"

namespace platform {

namespace {

class SystemRegistry final : public Registry
{
public:
    std::optional<Value> value(quint32, const QString &, const QString &) const override { return std::nullopt; }
};

const Registry *&installed()
{
    static const Registry *registry = nullptr;
    return registry;
}

} // namespace

const Registry &Registry::instance()
{
    static const SystemRegistry system;
    return installed() ? *installed() : system;
}

void Registry::install(const Registry *registry)
{
    installed() = registry;
}

} // namespace platform
