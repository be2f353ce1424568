#pragma once

#include "platform/hyperlinks.h"

#include <QtCore/QUrl>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>

// Stands in for the system's hyperlink service while it lives: keeps every
// address handed to it, and refuses them all when told to.
struct RecordingLinks : platform::HyperlinkService
{
    RecordingLinks() { install(this); }
    ~RecordingLinks() override { install(nullptr); }
    bool navigate(const QUrl &url) override
    {
        opened << url.toString();
        return !refuse;
    }
    QStringList opened;
    bool refuse = false;
};

// The message box on screen that waits in no loop of its own, or nullptr.
inline QMessageBox *shownMessageBox()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            return box;
    return nullptr;
}
