#pragma once

#include "platform/hyperlinks.h"

#include <QtCore/QStringList>
#include <QtCore/QUrl>

// Stands in for the system's hyperlink service while it lives: keeps every
// address handed to it, and refuses them all when told to.
class RecordingLinks : public platform::HyperlinkService
{
public:
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

#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>

// The message box on screen that is not waiting in a loop of its own (the
// refused link's message), or nullptr.
inline QMessageBox *shownMessageBox()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            return box;
    }
    return nullptr;
}
