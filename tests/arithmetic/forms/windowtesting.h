#pragma once

#include "arithmetic/forms/frmHaupt.h"
#include "arithmetic/forms/registration.h"
#include "arithmetic/testtasks.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "state/variablen.h"
#include "support/guisupport.h"

#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

#include <array>
#include <memory>
#include <vector>

// What the window tests of the pig game share.
namespace arithmetic_testing {

// The modal windows a test still waits for; one that never came must not
// act on a window of a later test.
inline std::vector<std::shared_ptr<bool>> &awaitedModals()
{
    static std::vector<std::shared_ptr<bool>> awaited;
    return awaited;
}

// Every window of the pig game registered.
class PigGameWindows : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerArithmeticForms();
    }
    void TearDown() override
    {
        for (const std::shared_ptr<bool> &waiting : awaitedModals()) {
            if (*waiting)
                ADD_FAILURE() << "a window the test expected to be shown modally never was";
            *waiting = false;
        }
        awaitedModals().clear();
        WindowTest::TearDown();
    }
};

// Runs action on the next modal window if it is a W, which the action is to
// close; any other modal window fails the test and is closed, so that the
// test cannot hang in its loop.
template<class W, class Action>
void whenModalIs(Action action)
{
    auto waiting = std::make_shared<bool>(true);
    awaitedModals().push_back(waiting);
    testing_support::whenModal([waiting, action](QWidget *modal) {
        if (!*waiting)
            return;
        *waiting = false;
        auto *window = qobject_cast<W *>(modal);
        if (!window) {
            ADD_FAILURE() << "expected " << qPrintable(W::staticName()) << " to be shown modally, got "
                          << qPrintable(modal->objectName());
            if (auto *form = qobject_cast<platform::Form *>(modal))
                form->unload();
            else
                modal->close();
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        action(window);
        // A window the action failed to close fails the test instead of
        // leaving it waiting in the window's loop.
        if (platform::Form *open = platform::Forms::instance().find(W::staticName())) {
            ADD_FAILURE() << qPrintable(W::staticName()) << " is still open";
            open->unload();
        }
    });
}

// A block of pigs as the pupil sees it, four to a row: # shown, . hidden.
inline QString pigs(const std::array<platform::ImageBox *, 20> &block)
{
    QString picture;
    for (int i = 0; i < 20; ++i) {
        picture += block[i]->isVisible() ? u'#' : u'.';
        if (i % 4 == 3 && i < 19)
            picture += u' ';
    }
    return picture;
}

// The board's task line: a locked box in parentheses, an open one in
// brackets, e.g. "(3) + (4) = []".
inline QString taskLine(const frmHaupt *board)
{
    const auto show = [](const QLineEdit *box) {
        return box->isReadOnly() ? u'(' + box->text() + u')' : u'[' + box->text() + u']';
    };
    return show(board->txtOperator1) + u' ' + board->lblrechenzeichen->text() + u' ' + show(board->txtOperator2)
        + u' ' + board->lblgleich->text() + u' ' + show(board->txtErgebnis);
}

} // namespace arithmetic_testing
