#pragma once

#include <functional>

class QUrl;

namespace platform {

// The system's hyperlink service: opens a web address with the default web
// browser and a "mailto:" address with the default mail program.
class HyperlinkService
{
public:
    virtual ~HyperlinkService() = default;

    // Hands url to the system and returns without waiting for it. When the
    // system cannot open it (no program to open it with, or that program
    // reports a failure), failed runs: at once, or later from the event loop.
    virtual void navigate(const QUrl &url, std::function<void()> failed) = 0;

    // The installed service, else the system's.
    static HyperlinkService &instance();
    // For tests; nullptr gives the system's back.
    static void install(HyperlinkService *service);
};

} // namespace platform
