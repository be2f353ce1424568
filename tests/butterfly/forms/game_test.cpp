#include "../butterflytesting.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/registration.h"
#include "butterfly/forms/feedbackwindow.h"
#include "butterfly/forms/flightview.h"
#include "butterfly/forms/frmfangmich.h"
#include "butterfly/forms/frmstartschmetterling.h"
#include "butterfly/forms/registration.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/vbcolor.h"
#include "results/forms/registration.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"

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

// Butterflies at 15 twips a pixel, 43 x 37 pixels: 1 drawn over 0, 2 caught.
TEST(FlightViewTest, APressCatchesTheButterflyDrawnOnTopAndNothingWhereNoneIsShown)
{
    butterfly::Flight flight(3);
    flight[0] = {1500, 1500, 0, 0, true}, flight[1] = {1800, 1605, 0, 0, true}, flight[2] = {6000, 1500, 0, 0, false};
    QWidget window;
    FlightView sky(flight, &window);
    sky.sync();
    ASSERT_TRUE(testing_support::showAndExpose(&window));
    QList<int> pressed;
    QObject::connect(&sky, &FlightView::butterflyPressed, [&pressed](int k) { pressed << k; });
    for (QPoint p : {QPoint(130, 120), QPoint(105, 103), QPoint(420, 118), QPoint(700, 50)})
        QTest::mouseClick(&sky, Qt::LeftButton, {}, p);
    EXPECT_EQ(pressed, QList<int>({1, 0}));
}

int awaited = 0; // modal windows still to come

// Runs action inside the loop of the next modal window, which must be a W.
template<class W>
void whenModalIs(std::function<void(W *)> action)
{
    ++awaited;
    testing_support::whenModal([action](QWidget *modal) {
        --awaited;
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
        EXPECT_EQ(std::exchange(awaited, 0), 0) << "windows expected to be shown modally never were";
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
    // The records after the save window's 2000 ms (none at 1999), "today" for the date.
    QString savedAfterTwoSeconds() const
    {
        advanceClock(1999);
        const QString file = folder.file(QStringLiteral("Daten.mdb"));
        EXPECT_TRUE(testing_support::SqliteFile(file).records().isEmpty());
        advanceClock(1);
        return testing_support::SqliteFile(file).records().join(u'\n').replace(QDate::currentDate().toString(Qt::ISODate),
                                                                             QStringLiteral("today"));
    }
    testing_support::ProgramFolderFixture folder;
};

// Clicks the window where a user's click at p lands, which must be on expected.
void clickAt(QWidget *window, QPoint p, QWidget *expected)
{
    ASSERT_EQ(window->childAt(p), expected);
    QTest::mouseClick(expected, Qt::LeftButton, {}, expected->mapFrom(window, p));
}

// Catches butterflies from index 0 up, each where it is on top and no control covers it, until count are caught.
void catchUpTo(frmfangmich *game, int count)
{
    FlightView *sky = game->imgfangen;
    const butterfly::Flight &flight = game->round().flight();
    for (int k = 0, tries = 0; game->round().gefangen() < count && tries < 200; ++tries, advanceClock(100)) {
        const QRect rect = sky->butterflyRect(k);
        for (int y = rect.top(); y <= rect.bottom() && flight[k].Visible; y += 3)
            for (int x = rect.left(); x <= rect.right() && flight[k].Visible; x += 3)
                if (game->childAt(x, y) == sky && sky->butterflyAt({x, y}) == k)
                    clickAt(game, {x, y}, sky);
        k += !flight[k].Visible;
    }
    ASSERT_EQ(game->round().gefangen(), count);
}

// The basket slots shown, the points and the task: "####...... 3 7-3 =  ? ".
QString screen(const frmfangmich *game)
{
    QString row;
    for (platform::ImageBox *slot : game->imgfang)
        row += slot->isVisible() ? u'#' : u'.';
    return row + u' ' + game->lblpunkte->text() + u' ' + game->lblaufgabe->text();
}

template<class W>
void pressFertig(frmfangmich *game, std::function<void(W *)> feedback)
{
    whenModalIs<W>(feedback);
    QTest::mouseClick(game->cmdGenug, Qt::LeftButton);
}

// Ticks the clock by ms and tells whether the flight moved.
bool fliesWithin(const butterfly::Flight &flight, int ms)
{
    const auto before = std::pair(flight[0].Left, flight[0].Top);
    advanceClock(ms);
    return std::pair(flight[0].Left, flight[0].Top) != before;
}

// The window as the screen shows it: its backing store, where a part that a
// partial repaint left out stays missing (grab() would paint it afresh).
QImage onScreen(QWidget *window)
{
    QCoreApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the screen shows the task text whole: in the text's colour wherever
// its glyphs cover a pixel wholly, that is where the label alone is opaque.
bool showsTaskWhole(frmfangmich *game)
{
    QImage alone(game->lblaufgabe->size(), QImage::Format_ARGB32);
    alone.fill(Qt::transparent);
    game->lblaufgabe->render(&alone, QPoint(), QRegion(), QWidget::DrawChildren);
    const QImage shown = onScreen(game);
    const QPoint origin = game->lblaufgabe->mapTo(game, QPoint());
    const QRgb ink = game->lblaufgabe->palette().color(QPalette::WindowText).rgb();
    int glyphs = 0;
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            if (qAlpha(alone.pixel(x, y)) == 255 && ++glyphs && shown.pixel(origin + QPoint(x, y)) != ink)
                return false;
    return glyphs > 200;
}

// The butterflies fly behind the task text: on both screens it stays whole
// in every frame while one crosses it.
TEST_F(ButterflyGame, TheTaskTextStaysWholeInFrontOfAButterflyCrossingIt)
{
    const auto crossing = [](frmfangmich *game) {
        const QRect text = game->lblaufgabe->geometry();
        for (int tick = 0; tick < 10; advanceClock(100), ++tick)
            EXPECT_TRUE(game->imgfangen->butterflyRect(0).intersects(text) && showsTaskWhole(game)) << "tick " << tick;
        QTest::mouseClick(game->CmdEnde, Qt::LeftButton);
    };
    for (const int largestOperand : {9, 19}) {
        frmstartschmetterling *start = signIn(QStringLiteral("Ida"));
        ASSERT_TRUE(start);
        largestOperand == 9 ? whenModalIs<frmfangmichLEICHT>(crossing) : whenModalIs<frmfangmichSCHWER>(crossing);
        feedTask(largestOperand, '+', {5, 4});
        // Butterfly 0: from 3500 | 3100, on the text, 100 twips a tick to the right.
        feed(0.999f), feed(0.25f), feed(3500.f / 11235), feed(3100.f / 6540);
        QTest::mouseClick(largestOperand == 9 ? start->cmdLEICHT : start->cmdSCHWER, Qt::LeftButton);
        advanceClock(2000); // the save window, back to the main window
    }
}

TEST_F(ButterflyGame, APupilPlaysTheEasyGameToASavedResult)
{
    Variablen.Gesucht = 2;
    Variablen.Operand1 = 7;
    modVar.SpielerPunkte = 12;
    frmstartschmetterling *start = signIn(QStringLiteral("Ida"));
    EXPECT_EQ(std::make_tuple(modVar.SpielerPunkte, Variablen.Operand1, Variablen.Rechenart, Variablen.Gesucht),
              std::make_tuple(qint16(0), 0.0, 1, 2)) << "a new game";
    start->close(); // the close box: the main window back, nothing saved (one record below)
    EXPECT_TRUE(!Forms::instance().find<frmstartschmetterling>() && Forms::instance().find<frmStart>()->isVisible());
    start = signIn(QStringLiteral("Lena"));
    for (int k = 0; k < 5; ++k)
        EXPECT_GE(start->flight()[k].SchrittY, 0) << "the start screen's butterflies never start upward";
    EXPECT_TRUE(!fliesWithin(start->flight(), 199) && fliesWithin(start->flight(), 1)) << "the start screen's ticks: 200 ms";
    shoot(start, QStringLiteral("frmstartschmetterling"));
    EXPECT_TRUE(testing_support::showsFlatFace(start->cmdSCHWER, QColor(0x80, 0xFF, 0xFF)));
    whenModalIs<frmfangmichLEICHT>([&](frmfangmichLEICHT *game) {
        EXPECT_EQ(modVar.SpielLevel, 1);
        EXPECT_TRUE(!fliesWithin(game->round().flight(), 99) && fliesWithin(game->round().flight(), 1)) << "its ticks: 100 ms";
        EXPECT_FALSE(fliesWithin(start->flight(), 400)) << "the start screen's butterflies stand still";
        catchUpTo(game, 4);
        EXPECT_EQ(screen(game), QStringLiteral("####...... 0 7-3 =  ? "));
        shoot(game, QStringLiteral("frmfangmichLEICHT"));
        EXPECT_TRUE(testing_support::showsFlatFace(game->CmdEnde, Qt::red));
        pressFertig<frmRichtig>(game, [&](frmRichtig *right) {
            shoot(right, QStringLiteral("frmRichtig"));
            EXPECT_TRUE(fliesWithin(game->round().flight(), 60000)) << "the flight goes on behind it";
            right->close();
            ASSERT_EQ(Forms::instance().find<frmRichtig>(), right) << "no timer, no close box: only a click";
            feedTask(9, '+', {6, 3});
            clickAt(right, QPoint(5, 5), right->client());
        });
        EXPECT_EQ(screen(game), QStringLiteral(".......... 3 6+3 =  ? "));
        catchUpTo(game, 10);
        pressFertig<frmdaneben>(game, [](frmdaneben *miss) {
            shoot(miss, QStringLiteral("frmdaneben"));
            EXPECT_TRUE(testing_support::showsFlatFace(miss->cmdhilfe, platform::vbColor(platform::SystemColor::ScrollBar)));
            clickAt(miss, QPoint(10, 200), miss->client());
        });
        EXPECT_EQ(screen(game), QStringLiteral("########## 2 6+3 =  ? "));
        QTest::mouseClick(game->CmdEnde, Qt::LeftButton);
        EXPECT_TRUE(!Forms::instance().find<frmstartschmetterling>() && Forms::instance().find<frmStart>()->isVisible())
            << "the start screen closed, which shows the main window";
    });
    feedTask(9, '-', {7, 3});
    QTest::mouseClick(start->cmdLEICHT, Qt::LeftButton);
    EXPECT_FALSE(Forms::instance().find<frmfangmichLEICHT>());
    EXPECT_EQ(savedAfterTwoSeconds(), QStringLiteral("Lena|2|Schmetterling|1|today"));
}

TEST_F(ButterflyGame, APupilPlaysTheHardGameWithAReleaseAndTheHelp)
{
    frmstartschmetterling *start = signIn(QStringLiteral("Mo"));
    whenModalIs<frmfangmichSCHWER>([&](frmfangmichSCHWER *game) {
        EXPECT_EQ(modVar.SpielLevel, 2);
        catchUpTo(game, 10);
        clickAt(game, game->imgfang[0]->geometry().center(), game->imgfang[0]);
        EXPECT_EQ(screen(game), QStringLiteral("#########........... 0 5+3 =  ? "));
        EXPECT_TRUE(game->round().flight()[0].Visible) << "the lowest caught flies again";
        shoot(game, QStringLiteral("frmfangmichSCHWER"));
        EXPECT_TRUE(onScreen(game) == game->grab().toImage().convertToFormat(QImage::Format_RGB32))
            << "the partial repaints leave what a full repaint would show";
        clickAt(game, game->imgfang[8]->geometry().center(), game->imgfang[8]);
        pressFertig<frmRichtig>(game, [](frmRichtig *right) { QTest::mouseClick(right->Image1, Qt::LeftButton); });
        const QString task = game->lblaufgabe->text();
        pressFertig<frmdaneben>(game, [&](frmdaneben *miss) {
            whenModalIs<frmHilfe>([&](frmHilfe *help) {
                EXPECT_TRUE(Variablen.Gesucht == 3 && help->lblErgebnis->text() == u"?") << "it seeks the result";
                EXPECT_EQ(Forms::instance().find<frmdaneben>(), miss) << "the miss window waits for the help";
                EXPECT_TRUE(fliesWithin(game->round().flight(), 500)) << "the flight goes on behind the help";
                QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
            });
            QTest::mouseClick(miss->cmdhilfe, Qt::LeftButton);
        });
        EXPECT_FALSE(Forms::instance().find<frmdaneben>());
        EXPECT_EQ(Variablen.Ergebnis, game->round().loesung()) << "worked out by the counting help";
        EXPECT_EQ(screen(game).section(u' ', 1), QStringLiteral("1 ") + task) << "3 for the right answer, 2 off";
        QTest::mouseClick(game->CmdEnde, Qt::LeftButton);
    });
    feedTask(19, '+', {5, 3});
    QTest::mouseClick(start->cmdSCHWER, Qt::LeftButton);
    EXPECT_EQ(savedAfterTwoSeconds(), QStringLiteral("Mo|1|Schmetterling|2|today"));
}

} // namespace
