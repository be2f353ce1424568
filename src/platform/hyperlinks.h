#pragma once

class QUrl;

namespace platform {

// The system's hyperlink service: opens a web address with the default web
// browser and a "mailto:" address with the default mail program.
class HyperlinkService
{
public:
    virtual ~HyperlinkService() = default;

    // False when the system refuses, for example when no browser or mail
    // program is set up.
    virtual bool navigate(const QUrl &url) = 0;

    // The installed service, else the system's.
    static HyperlinkService &instance();
    // For tests; nullptr gives the system's back.
    static void install(HyperlinkService *service);
};

} // namespace platform
