#include "arithmetic/forms/registration.h"
#include "butterfly/forms/registration.h"
#include "memory/forms/registration.h"
#include "platform/clock.h"
#include "platform/forms.h"
#include "platform/startini.h"
#include "results/forms/registration.h"
#include "shell/forms/registration.h"
#include "teacher/forms/registration.h"

#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::removePasswordLeftovers();
    // The process ends when no window of the program exists any more, hidden
    // ones included; the registry tells us when that is.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::RealClockDriver clock;

    auto &forms = platform::Forms::instance();
    registerShellForms();
    registerArithmeticForms();
    registerMemoryForms();
    registerResultsForms();
    registerTeacherForms();
    registerButterflyForms();
    forms.setOnLastClosed([] { QCoreApplication::quit(); });

    if (forms.isRegistered(QStringLiteral("frmSplash")))
        forms.show(QStringLiteral("frmSplash"));
    else
        forms.show(QStringLiteral("frmStart"));
    const int code = QApplication::exec();
    forms.reset();
    return code;
}
