#include "memory/forms/fullscreen.h"

#include "platform/form.h"

#include <QtGui/QScreen>
#include <QtWidgets/QApplication>

void fillScreen(platform::Form *form)
{
    form->setBorder(platform::Form::Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        form->client()->setFixedSize(screen->availableGeometry().size());
        form->move(screen->availableGeometry().topLeft());
    }
    form->setWindowState(Qt::WindowMaximized);
}
