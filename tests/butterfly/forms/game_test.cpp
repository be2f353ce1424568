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
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"

#include <QtCore/QDate>
#include <QtGui/QScreen>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

using namespace butterfly_testing;
using butterfly::FlightView;
using platform::Forms;
using testing_support::advanceClock;
using testing_support::shoot;

namespace {

std::vector<std::shared_ptr<bool>> awaited; // modal windows still to come

// Runs action inside the loop of the next modal window, which must be a W.
template<class W>
void whenModalIs(std::function<void(W *)> action)
{
    auto waiting = std::make_shared<bool>(true);
    awaited.push_back(waiting);
    testing_support::whenModal([waiting, action](QWidget *modal) {
        *waiting = false;
        if (auto *window = qobject_cast<W *>(modal); window && QTest::qWaitForWindowExposed(window))
            return action(window);
        ADD_FAILURE() << "expected " << qPrintable(W::staticName()) << ", got " << qPrintable(modal->objectName());
        static_cast<platform::Form *>(modal)->unload();
    });
}

class ButterflyGame : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
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
        WindowTest::TearDown();
    }

    // From the main window's butterfly picture through the sign-in.
    frmstartschmetterling *signIn(const QString &name)
    {
        auto *main = Forms::instance().show<frmStart>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        QTest::mouseClick(main->Image1, Qt::LeftButton);
        auto *login = Forms::instance().find<frmLoginSpiele>();
        QTest::keyClicks(login->txtUserName, name);
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        auto *start = Forms::instance().find<frmstartschmetterling>();
        EXPECT_TRUE(start && QTest::qWaitForWindowExposed(start) && !main->isVisible());
        return start;
    }

    QStringList saved() const { return testing_support::SqliteFile(folder.file(QStringLiteral("Daten.mdb"))).records(); }
    static QString today() { return QDate::currentDate().toString(Qt::ISODate); }

    testing_support::ProgramFolderFixture folder;
};

QString positions(const butterfly::Flight &flight)
{
    QString text;
    for (int k = 0; k < flight.count(); ++k)
        text += QStringLiteral("%1,%2 ").arg(flight[k].Left).arg(flight[k].Top);
    return text;
}

// Clicks the window where a user's click at p lands.
void clickAt(QWidget *window, QPoint p, QWidget *expected)
{
    QWidget *target = window->childAt(p);
    EXPECT_EQ(target, expected);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, p));
}

// Catches flying butterflies from index 0 up, each where no other butterfly
// and no control covers it, until count are in the baskets.
void catchUpTo(frmfangmich *game, int count)
{
    FlightView *sky = game->imgfangen;
    const butterfly::Flight &flight = game->round().flight();
    for (int k = 0, tries = 0; game->round().gefangen() < count && tries < 200; ++tries, advanceClock(100)) {
        const QRect rect = sky->butterflyRect(k);
        for (int y = rect.top(); y <= rect.bottom() && flight[k].Visible; y += 3) {
            for (int x = rect.left(); x <= rect.right() && flight[k].Visible; x += 3) {
                bool free = game->childAt(x, y) == sky;
                for (int j = 0; j < flight.count(); ++j)
                    free = free && (j == k || !flight[j].Visible || !sky->butterflyRect(j).contains(x, y));
                if (free)
                    clickAt(game, {x, y}, sky);
            }
        }
        k += !flight[k].Visible;
    }
    ASSERT_EQ(game->round().gefangen(), count);
}

QString baskets(const frmfangmich *game)
{
    QString row;
    for (platform::ImageBox *slot : game->imgfang)
        row += slot->isVisible() ? u'#' : u'.';
    return row;
}

template<class W>
void pressFertig(frmfangmich *game, std::function<void(W *)> feedback)
{
    whenModalIs<W>(feedback);
    QTest::mouseClick(game->cmdGenug, Qt::LeftButton);
}

TEST_F(ButterflyGame, APupilPlaysTheEasyGameToASavedResult)
{
    Variablen.Gesucht = 2;
    Variablen.Operand1 = 7;
    modVar.SpielerPunkte = 12;
    frmstartschmetterling *start = signIn(QStringLiteral("Lena"));
    EXPECT_EQ(modVar.SpielerPunkte, 0) << "a new game";
    EXPECT_EQ(std::make_tuple(Variablen.Operand1, Variablen.Rechenart, Variablen.Gesucht), std::make_tuple(0.0, 1, 2));
    for (int k = 0; k < 5; ++k)
        EXPECT_GE(start->flight()[k].SchrittY, 0) << "the start screen's butterflies never start upward";
    QString standing = positions(start->flight());
    advanceClock(199);
    EXPECT_EQ(positions(start->flight()), standing) << "the start screen's flight ticks every 200 ms";
    advanceClock(1);
    EXPECT_NE(positions(start->flight()), standing);
    shoot(start, QStringLiteral("frmstartschmetterling"));

    whenModalIs<frmfangmichLEICHT>([&](frmfangmichLEICHT *game) {
        EXPECT_EQ(modVar.SpielLevel, 1);
        standing = positions(start->flight());
        QString flying = positions(game->round().flight());
        advanceClock(99);
        EXPECT_EQ(positions(game->round().flight()), flying);
        advanceClock(1);
        EXPECT_NE(positions(game->round().flight()), flying) << "the game screen's flight ticks every 100 ms";
        advanceClock(400);
        EXPECT_EQ(positions(start->flight()), standing) << "the start screen's butterflies stand still";

        EXPECT_EQ(game->lblaufgabe->text(), QStringLiteral("7-3 =  ? "));
        catchUpTo(game, 4);
        EXPECT_EQ(baskets(game), QStringLiteral("####......"));
        shoot(game, QStringLiteral("frmfangmichLEICHT"));
        pressFertig<frmRichtig>(game, [&](frmRichtig *right) {
            shoot(right, QStringLiteral("frmRichtig"));
            flying = positions(game->round().flight());
            advanceClock(60000);
            EXPECT_NE(positions(game->round().flight()), flying) << "the flight goes on behind it";
            right->close();
            ASSERT_EQ(Forms::instance().find<frmRichtig>(), right) << "no timer, no close box: only a click";
            feedTask(9, '+', {6, 3});
            clickAt(right, QPoint(5, 5), right->client());
        });
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("3"));
        EXPECT_EQ(game->lblaufgabe->text(), QStringLiteral("6+3 =  ? "));
        EXPECT_EQ(baskets(game), QStringLiteral(".........."));

        catchUpTo(game, 10);
        pressFertig<frmdaneben>(game, [](frmdaneben *miss) {
            shoot(miss, QStringLiteral("frmdaneben"));
            clickAt(miss, QPoint(10, 200), miss->client());
        });
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("2"));
        EXPECT_EQ(game->lblaufgabe->text(), QStringLiteral("6+3 =  ? "));
        EXPECT_EQ(baskets(game), QStringLiteral("##########"));

        QTest::mouseClick(game->CmdEnde, Qt::LeftButton);
        EXPECT_FALSE(Forms::instance().find<frmstartschmetterling>());
        EXPECT_TRUE(Forms::instance().find<frmStart>()->isVisible()) << "the start screen's closing shows it";
    });
    feedTask(9, '-', {7, 3});
    QTest::mouseClick(start->cmdLEICHT, Qt::LeftButton);
    EXPECT_FALSE(Forms::instance().find<frmfangmichLEICHT>());
    advanceClock(1999);
    EXPECT_TRUE(saved().isEmpty());
    advanceClock(1);
    EXPECT_EQ(saved(), QStringList(QStringLiteral("Lena|2|Schmetterling|1|") + today()));
}

TEST_F(ButterflyGame, APupilPlaysTheHardGameWithAReleaseAndTheHelp)
{
    frmstartschmetterling *start = signIn(QStringLiteral("Mo"));
    whenModalIs<frmfangmichSCHWER>([&](frmfangmichSCHWER *game) {
        EXPECT_EQ(modVar.SpielLevel, 2);
        EXPECT_EQ(game->lblaufgabe->text(), QStringLiteral("5+3 =  ? "));
        catchUpTo(game, 10);
        clickAt(game, game->imgfang[0]->geometry().center(), game->imgfang[0]);
        EXPECT_EQ(baskets(game), QStringLiteral("#########..........."));
        EXPECT_TRUE(game->round().flight()[0].Visible) << "the lowest caught flies again";
        shoot(game, QStringLiteral("frmfangmichSCHWER"));
        QCoreApplication::processEvents();
        const QImage onScreen = game->screen()->grabWindow(game->winId()).toImage();
        EXPECT_TRUE(onScreen.convertToFormat(QImage::Format_RGB32) == game->grab().toImage().convertToFormat(QImage::Format_RGB32))
            << "the partial repaints leave what a full repaint would show";

        clickAt(game, game->imgfang[8]->geometry().center(), game->imgfang[8]);
        pressFertig<frmRichtig>(game, [](frmRichtig *right) { QTest::mouseClick(right->Image1, Qt::LeftButton); });
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("3"));

        const QString task = game->lblaufgabe->text();
        pressFertig<frmdaneben>(game, [&](frmdaneben *miss) {
            whenModalIs<frmHilfe>([&](frmHilfe *help) {
                EXPECT_EQ(Variablen.Gesucht, 3);
                EXPECT_EQ(help->lblErgebnis->text(), QStringLiteral("?"));
                EXPECT_EQ(Forms::instance().find<frmdaneben>(), miss) << "the miss window waits for the help";
                const QString flying = positions(game->round().flight());
                advanceClock(500);
                EXPECT_NE(positions(game->round().flight()), flying) << "the flight goes on behind the help";
                QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
            });
            QTest::mouseClick(miss->cmdhilfe, Qt::LeftButton);
        });
        EXPECT_FALSE(Forms::instance().find<frmdaneben>());
        EXPECT_EQ(Variablen.Ergebnis, game->round().loesung()) << "worked out by the counting help";
        EXPECT_EQ(game->lblpunkte->text(), QStringLiteral("1"));
        EXPECT_EQ(game->lblaufgabe->text(), task);
        QTest::mouseClick(game->CmdEnde, Qt::LeftButton);
    });
    feedTask(19, '+', {5, 3});
    QTest::mouseClick(start->cmdSCHWER, Qt::LeftButton);
    advanceClock(2000);
    EXPECT_EQ(saved(), QStringList(QStringLiteral("Mo|1|Schmetterling|2|") + today()));
}

TEST_F(ButterflyGame, TheStartScreensCloseBoxShowsTheMainWindowAndSavesNothing)
{
    signIn(QStringLiteral("Ida"))->close();
    EXPECT_FALSE(Forms::instance().find<frmstartschmetterling>());
    EXPECT_TRUE(Forms::instance().find<frmStart>()->isVisible());
    advanceClock(5000);
    EXPECT_FALSE(Forms::instance().find(QStringLiteral("frmSpeichern")));
    EXPECT_TRUE(saved().isEmpty());
}

} // namespace
