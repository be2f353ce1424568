#include "../butterflytesting.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/registration.h"
#include "butterfly/forms/feedbackwindow.h"
#include "butterfly/forms/flightview.h"
#include "butterfly/forms/frmfangmich.h"
#include "butterfly/forms/frmstartschmetterling.h"
#include "butterfly/forms/registration.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "results/forms/registration.h"
#include "results/resultstable.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <QtCore/QDate>
#include <QtCore/QRegularExpression>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <gtest/gtest.h>

#include <functional>

using namespace butterfly_testing;
using platform::Forms;
using testing_support::advanceClock;
using testing_support::shoot;

namespace {

// The modal windows a test waits for; one that never came fails the test.
std::vector<std::shared_ptr<bool>> awaited;

// Runs action inside the next modal window's loop if it is a W.
template<class W>
void whenModalIs(std::function<void(W *)> action)
{
    auto waiting = std::make_shared<bool>(true);
    awaited.push_back(waiting);
    testing_support::whenModal([waiting, action](QWidget *modal) {
        if (!*waiting)
            return;
        *waiting = false;
        auto *window = qobject_cast<W *>(modal);
        if (!window) {
            ADD_FAILURE() << "expected " << qPrintable(W::staticName()) << ", got " << qPrintable(modal->objectName());
            if (auto *form = qobject_cast<platform::Form *>(modal))
                form->unload();
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        action(window);
    });
}

class ButterflyGame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        resetGlobals();
        registerShellForms();
        registerResultsForms();
        registerArithmeticForms();
        registerButterflyForms();
    }
    void TearDown() override
    {
        for (const auto &waiting : awaited)
            EXPECT_FALSE(*waiting) << "a window expected to be shown modally never was";
        awaited.clear();
        testing_support::resetWindows();
        restoreRandomClock();
    }

    QStringList savedRows() const { return results_testing::tableRows(folder.file(QStringLiteral("Daten.mdb"))); }

    // From the main window's butterfly picture through the sign-in to the
    // start screen.
    frmstartschmetterling *signIn(const QString &name)
    {
        auto *main = Forms::instance().show<frmStart>();
        EXPECT_TRUE(main && QTest::qWaitForWindowExposed(main));
        QTest::mouseClick(main->Image1, Qt::LeftButton);
        auto *login = Forms::instance().find<frmLoginSpiele>();
        EXPECT_TRUE(login && QTest::qWaitForWindowExposed(login));
        QTest::keyClicks(login->txtUserName, name);
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        auto *start = Forms::instance().find<frmstartschmetterling>();
        EXPECT_TRUE(start && QTest::qWaitForWindowExposed(start));
        EXPECT_FALSE(main->isVisible());
        return start;
    }

    testing_support::ProgramFolderFixture folder;
};

QString flightPicture(const butterfly::Flight &flight)
{
    QString positions;
    for (int k = 0; k < flight.count(); ++k)
        positions += QStringLiteral("%1,%2 ").arg(flight[k].Left).arg(flight[k].Top);
    return positions;
}

// The task's result, read off the speech bubble as a pupil would.
int taskResult(const frmfangmich *game)
{
    const QString text = game->lblaufgabe->text();
    const int sign = text.indexOf(QRegularExpression(QStringLiteral("[+-]")));
    const int a = text.left(sign).toInt();
    const int b = text.mid(sign + 1, text.indexOf(u' ') - sign - 1).toInt();
    return text[sign] == u'+' ? a + b : a - b;
}

// Clicks the window where a user's click at p would land.
void clickAt(QWidget *window, QPoint p, QWidget *expected = nullptr)
{
    QWidget *target = window->childAt(p);
    if (expected) {
        EXPECT_EQ(target, expected);
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, p));
}

// Clicks flying butterfly k where no other butterfly and no control covers
// it, letting the flight go on a tick at a time until there is such a spot.
void clickButterfly(frmfangmich *game, int k)
{
    FlightView *sky = game->imgfangen;
    for (int tick = 0; tick < 100; ++tick) {
        const QRect rect = sky->butterflyRect(k);
        for (int y = rect.top(); y <= rect.bottom(); y += 3) {
            for (int x = rect.left(); x <= rect.right(); x += 3) {
                const QPoint p = sky->mapTo(game, QPoint(x, y));
                bool free = game->childAt(p) == sky;
                for (int j = 0; j < game->round().flight().count() && free; ++j)
                    free = j == k || !game->round().flight()[j].Visible || !sky->butterflyRect(j).contains(x, y);
                if (free)
                    return clickAt(game, p);
            }
        }
        advanceClock(100);
    }
    ADD_FAILURE() << "butterfly " << k << " never flew clear";
}

// Catches butterflies from index 0 up until count are in the baskets.
void catchUpTo(frmfangmich *game, int count)
{
    for (int k = 0; game->round().gefangen() < count; ++k) {
        clickButterfly(game, k);
        EXPECT_FALSE(game->round().flight()[k].Visible) << "butterfly " << k;
        advanceClock(100);
    }
}

QString baskets(const frmfangmich *game)
{
    QString row;
    for (platform::ImageBox *slot : game->imgfang)
        row += slot->isVisible() ? u'#' : u'.';
    return row;
}

// Feeds the draws of the next game screen's task.
void feedTask(const butterfly::Level &level, bool plus, int a, int b)
{
    feed(plus ? plusDraw : minusDraw);
    feed(operandDraw(a, level.largestOperand));
    feed(operandDraw(b, level.largestOperand));
}

// Presses "Fertig!!" and handles the feedback window that must come.
template<class W>
void pressFertig(frmfangmich *game, std::function<void(W *)> feedback)
{
    whenModalIs<W>(feedback);
    QTest::mouseClick(game->cmdGenug, Qt::LeftButton);
}

TEST_F(ButterflyGame, APupilPlaysTheEasyGameAndTheResultIsSaved)
{
    Variablen.Gesucht = 2;
    Variablen.Operand1 = 7;
    modVar.SpielerPunkte = 12;
    frmstartschmetterling *start = signIn(QStringLiteral("Lena"));
    EXPECT_EQ(modVar.SpielerPunkte, 0) << "a new game";
    EXPECT_EQ(Variablen.Operand1, 0);
    EXPECT_EQ(Variablen.Rechenart, 1);
    EXPECT_EQ(Variablen.Gesucht, 2) << "the start screen leaves Gesucht alone";

    QString standing = flightPicture(start->flight());
    advanceClock(199);
    EXPECT_EQ(flightPicture(start->flight()), standing) << "the start screen's flight ticks every 200 ms";
    advanceClock(1);
    EXPECT_NE(flightPicture(start->flight()), standing);
    shoot(start, QStringLiteral("frmstartschmetterling"));

    whenModalIs<frmfangmichLEICHT>([&](frmfangmichLEICHT *game) {
        EXPECT_EQ(modVar.SpielLevel, 1);
        standing = flightPicture(start->flight());
        QString flying = flightPicture(game->round().flight());
        advanceClock(99);
        EXPECT_EQ(flightPicture(game->round().flight()), flying);
        advanceClock(1);
        EXPECT_NE(flightPicture(game->round().flight()), flying) << "the game screen's flight ticks every 100 ms";
        EXPECT_EQ(flightPicture(start->flight()), standing) << "the start screen's butterflies stand still";

        const QString firstTask = game->lblaufgabe->text();
        EXPECT_EQ(firstTask, QStringLiteral("7-3 =  ? "));
        catchUpTo(game, taskResult(game));
        EXPECT_EQ(baskets(game), QString(taskResult(game), u'#').leftJustified(10, u'.'));
        shoot(game, QStringLiteral("frmfangmichLEICHT"));
        pressFertig<frmRichtig>(game, [&](frmRichtig *right) {
            shoot(right, QStringLiteral("frmRichtig"));
            feedTask(butterfly::Leicht, true, 6, 3);
            flying = flightPicture(game->round().flight());
            advanceClock(60000);
            EXPECT_NE(flightPicture(game->round().flight()), flying) << "the flight goes on behind it";
            right->close();
            ASSERT_EQ(Forms::instance().find<frmRichtig>(), right) << "no timer, no close box: only a click";
            clickAt(right, QPoint(5, 5), right->client());
        });
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("3"));
        EXPECT_NE(game->lblaufgabe->text(), firstTask);
        EXPECT_EQ(baskets(game), QStringLiteral(".........."));
        EXPECT_EQ(game->round().gefangen(), 0);

        const QString task = game->lblaufgabe->text();
        EXPECT_EQ(task, QStringLiteral("6+3 =  ? "));
        catchUpTo(game, taskResult(game) + 1);
        const QString caught = baskets(game);
        pressFertig<frmdaneben>(game, [](frmdaneben *miss) {
            shoot(miss, QStringLiteral("frmdaneben"));
            clickAt(miss, QPoint(10, 200), miss->client());
        });
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("2"));
        EXPECT_EQ(game->lblaufgabe->text(), task);
        EXPECT_EQ(baskets(game), caught);

        QTest::mouseClick(game->CmdEnde, Qt::LeftButton);
        EXPECT_FALSE(Forms::instance().find<frmstartschmetterling>());
        EXPECT_TRUE(Forms::instance().find<frmStart>()->isVisible()) << "the start screen's closing shows it";
        EXPECT_TRUE(Forms::instance().find(QStringLiteral("frmSpeichern")));
    });
    feedTask(butterfly::Leicht, false, 7, 3);
    QTest::mouseClick(start->cmdLEICHT, Qt::LeftButton);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmfangmichLEICHT>());

    advanceClock(1999);
    EXPECT_TRUE(savedRows().isEmpty());
    advanceClock(1);
    EXPECT_EQ(savedRows(), QStringList({QStringLiteral("Lena|2|Schmetterling|1|") + QDate::currentDate().toString(Qt::ISODate)}));
}

TEST_F(ButterflyGame, APupilPlaysTheHardGameWithAReleaseAndTheHelp)
{
    frmstartschmetterling *start = signIn(QStringLiteral("Mo"));
    whenModalIs<frmfangmichSCHWER>([&](frmfangmichSCHWER *game) {
        EXPECT_EQ(modVar.SpielLevel, 2);
        EXPECT_EQ(game->lblaufgabe->text(), QStringLiteral("5+3 =  ? "));
        const int result = taskResult(game);
        catchUpTo(game, result + 2);
        clickAt(game, game->imgfang[0]->geometry().center(), game->imgfang[0]);
        EXPECT_EQ(baskets(game), QString(result + 1, u'#').leftJustified(20, u'.'));
        EXPECT_TRUE(game->round().flight()[0].Visible) << "the lowest caught flies again";
        shoot(game, QStringLiteral("frmfangmichSCHWER"));
        clickAt(game, game->imgfang[result]->geometry().center(), game->imgfang[result]);
        pressFertig<frmRichtig>(game, [](frmRichtig *right) { QTest::mouseClick(right->Image1, Qt::LeftButton); });
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("3"));

        const QString task = game->lblaufgabe->text();
        pressFertig<frmdaneben>(game, [&](frmdaneben *miss) {
            whenModalIs<frmHilfe>([&](frmHilfe *help) {
                EXPECT_EQ(Variablen.Gesucht, 3);
                EXPECT_EQ(help->lblErgebnis->text(), QStringLiteral("?"));
                EXPECT_EQ(Forms::instance().find<frmdaneben>(), miss) << "the miss window waits for the help";
                const QString flying = flightPicture(game->round().flight());
                advanceClock(500);
                EXPECT_NE(flightPicture(game->round().flight()), flying) << "the flight goes on behind the help";
                QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
            });
            QTest::mouseClick(miss->cmdhilfe, Qt::LeftButton);
        });
        EXPECT_FALSE(Forms::instance().find<frmdaneben>());
        EXPECT_EQ(Variablen.Ergebnis, taskResult(game)) << "worked out by the counting help";
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("1"));
        EXPECT_EQ(game->lblaufgabe->text(), task);
        EXPECT_EQ(game->CmdEnde->text(), QStringLiteral("Ende"));
        QTest::mouseClick(game->CmdEnde, Qt::LeftButton);
    });
    feedTask(butterfly::Schwer, true, 5, 3);
    QTest::mouseClick(start->cmdSCHWER, Qt::LeftButton);
    advanceClock(2000);
    EXPECT_EQ(savedRows(), QStringList({QStringLiteral("Mo|1|Schmetterling|2|") + QDate::currentDate().toString(Qt::ISODate)}));
    EXPECT_TRUE(Forms::instance().find<frmStart>()->isVisible());
}

TEST_F(ButterflyGame, TheStartScreensCloseBoxShowsTheMainWindowAndSavesNothing)
{
    frmstartschmetterling *start = signIn(QStringLiteral("Ida"));
    start->close();
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmstartschmetterling>());
    EXPECT_TRUE(Forms::instance().find<frmStart>()->isVisible());
    advanceClock(5000);
    EXPECT_FALSE(Forms::instance().find(QStringLiteral("frmSpeichern")));
    EXPECT_TRUE(savedRows().isEmpty());
    EXPECT_EQ(modVar.SpielerPunkte, 0);
}

} // namespace
