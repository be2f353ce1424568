#include "support/guisupport.h"

#include "platform/form.h"
#include "platform/forms.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <QtGui/QColor>
#include <QtGui/QImage>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QWidget>

namespace testing_support {

void registerStandIn(const QString &name)
{
    platform::Forms::instance().registerForm(name, [name] {
        auto *form = new platform::Form(name);
        form->setClientSizeTwips(2000, 1000);
        return form;
    });
}

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

void WindowTest::SetUp()
{
    resetWindows();
    GlobalsTest::SetUp();
}

namespace {

// The answers still waiting for a modal window; none outlives its test, as
// each may write into that test's variables.
QObject &pendingAnswers()
{
    static QObject pending;
    return pending;
}

} // namespace

void WindowTest::TearDown()
{
    qDeleteAll(pendingAnswers().findChildren<QTimer *>(Qt::FindDirectChildrenOnly));
    resetWindows();
    GlobalsTest::TearDown();
}

bool showAndExpose(QWidget *widget)
{
    widget->show();
    return QTest::qWaitForWindowExposed(widget);
}

void whenModal(std::function<void(QWidget *)> action)
{
    auto *poll = new QTimer(&pendingAnswers());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

void answerNextMessage(QString *text)
{
    whenModal([text](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            *text = box->text();
        clickMessageBoxButton(modal, QStringLiteral("OK"));
    });
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

bool showsFlatFace(QWidget *button, const QColor &color)
{
    const QImage face = button->grab().toImage();
    QImage band = face.copy(5, face.height() / 4, 3, face.height() / 2), flat = band;
    flat.fill(color);
    return band == flat;
}

void shoot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUIRLIX_SHOTS_DIR");
    if (folder.isEmpty())
        return;
    QCoreApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")), "PNG");
}

} // namespace testing_support
