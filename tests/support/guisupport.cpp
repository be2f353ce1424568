#include "support/guisupport.h"

#include "platform/forms.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <memory>

namespace testing_support {

void flushClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void resetWindows()
{
    platform::Forms::instance().reset();
    platform::Forms::instance().setOnLastClosed({});
    flushClosedWindows();
}

bool showAndExpose(QWidget *widget)
{
    widget->show();
    return QTest::qWaitForWindowExposed(widget);
}

void whenModal(std::function<void(QWidget *)> action)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [poll, action]() {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            action(modal);
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

void clickMessageBoxButton(QWidget *box, const QString &buttonText)
{
    for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
        if (button->text() == buttonText) {
            button->click();
            return;
        }
    }
}

bool savePicture(QWidget *widget, const QString &path)
{
    return widget->grab().save(path, "PNG");
}

} // namespace testing_support

namespace testing_support {

void shoot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUIRLIX_SHOTS_DIR");
    if (folder.isEmpty())
        return;
    QCoreApplication::processEvents();
    savePicture(window, QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace testing_support
