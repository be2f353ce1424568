#include "platform/hyperlinks.h"

#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>

namespace platform {

namespace {

class DesktopHyperlinks final : public HyperlinkService
{
public:
    bool navigate(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

HyperlinkService *&installed()
{
    static HyperlinkService *service = nullptr;
    return service;
}

} // namespace

HyperlinkService &HyperlinkService::instance()
{
    static DesktopHyperlinks desktop;
    return installed() ? *installed() : desktop;
}

void HyperlinkService::install(HyperlinkService *service)
{
    installed() = service;
}

} // namespace platform
