#include "memory/memorytesting.h"

using namespace memory_testing;
using memory::PlayerPage;
using testing_support::advanceClock;

namespace {

// The page's blink timer on the manual clock.
class Page : public ::testing::Test, private memory::PlayerPageWindow
{
protected:
    Page() { QObject::connect(&tmrblinker, &platform::Timer::tick, [this] { page.blinkTick(); }); }

    void choose(Mode mode)
    {
        prepareGame(mode, 0);
        Mdlmodul.SpielerAufrufe = 0;
    }
    // The picks of the two players: "1 3".
    QString animals() const { return QStringLiteral("%1 %2").arg(Mdlmodul.IconSpieler1).arg(Mdlmodul.IconSpieler2); }
    // The five pictures: shown (o), blinked away (-) or locked (x).
    QString shown() const
    {
        QString text;
        for (int i = 0; i < 5; ++i)
            text += QLatin1Char(i == page.picture().taken ? 'x' : page.picture().shown[i] ? 'o' : '-');
        return text;
    }

    void setTmrblinkerEnabled(bool enabled) override { tmrblinker.setEnabled(enabled); }
    testing_support::ProgramFolderFixture folder;
    platform::Timer tmrblinker {500};
    PlayerPage page {*this};
};

// Each place is drawn after its own reseed; a number already taken is drawn
// again. Over many seeds the ten names come out as a permutation.
TEST_F(Page, TheShuffleDrawsEachPlaceUntilAFreeAnimalComesUp)
{
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    feed({3, 3, 1, 10, 1, 2, 4, 5, 5, 6, 7, 8, 9}, 1, 10);
    memory::shuffleAnimals();
    EXPECT_EQ(QStringList(Mdlmodul.IconDateien.begin(), Mdlmodul.IconDateien.end()).join(u' '),
              QStringLiteral(" Marsi.wmf Fliege.wmf Pferd.wmf Hund.wmf Käguruh.wmf Muschel.wmf Ameise.wmf Bigfoot.wmf "
                             "Robbe.wmf Brachio.wmf  "));
    EXPECT_EQ(reseeds, 13);

    const QStringList names = QStringList(Mdlmodul.IconDateien.begin() + 1, Mdlmodul.IconDateien.begin() + 11);
    for (quint64 seed = 1; seed <= 200; ++seed) {
        platform::Random::instance().seed(seed);
        memory::shuffleAnimals();
        const auto first = Mdlmodul.IconDateien.begin() + 1;
        ASSERT_TRUE(std::is_permutation(first, first + 10, names.begin(), names.end())) << "seed " << seed;
    }
}

// Against the computer its animal is the picture right of the pupil's, the
// fourth for the rightmost; only the first click on the page counts, also
// after more than 255 clicks.
TEST_F(Page, OnlyTheFirstClickPicksAndTheComputerTakesThePictureToItsRight)
{
    for (const auto &[index, expected] : {std::pair(0, "0 1"), {1, "1 2"}, {2, "2 3"}, {3, "3 4"}, {4, "4 3"}}) {
        choose(Mode::AgainstComputer);
        page.setUp();
        page.clickPicture(index);
        for (int i = 0; i < 300; ++i)
            page.clickPicture(i % 5);
        EXPECT_EQ(animals(), QLatin1String(expected)) << "picture " << index;
        EXPECT_EQ(page.weiter(QStringLiteral("Mia")), PlayerPage::Next::Board);
        EXPECT_EQ(animals(), QLatin1String(expected)) << "a pick settles both";
    }
    EXPECT_EQ(Mdlmodul.NameSpieler1 + u'/' + Mdlmodul.NameSpieler2, QStringLiteral("Mia/"))
        << "the computer is not asked for a name";
}

// Six ticks of 500 ms blink the pick three times and leave it shown; the
// timer stops.
TEST_F(Page, ThePickBlinksThreeTimesAndStaysShown)
{
    choose(Mode::Alone);
    page.setUp();
    page.clickPicture(2);
    QStringList blinks;
    for (int tick = 0; tick < 7; ++tick) {
        advanceClock(500);
        blinks << shown();
    }
    EXPECT_EQ(blinks.join(u' '), QStringLiteral("oo-oo ooooo oo-oo ooooo oo-oo ooooo ooooo"));
    EXPECT_FALSE(tmrblinker.isEnabled());
}

// Who picked nothing gets picture 1, 2 or 3 (fed draws), never the other's.
// Two pupils: player 2's page keeps player 1's pick and locks its picture
// (x), so a click on it is no pick; both reach the board with two animals.
TEST_F(Page, WithOrWithoutPicksBothPlayersReachTheBoardWithDifferentAnimals)
{
    struct Row { const char *name; Mode mode; std::initializer_list<int> clicks1, clicks2, draws; QString expected; };
    const Row rows[] = {
        {"alone, no pick", Mode::Alone, {}, {}, {2, 2, 2, 1}, "2 1"},
        {"alone, a pick", Mode::Alone, {0}, {}, {3}, "0 3"},
        {"computer, no pick", Mode::AgainstComputer, {}, {}, {1, 1, 3}, "1 3"},
        {"two, no picks", Mode::TwoPlayers, {}, {}, {3, 3, 2}, "3 2 oooxo"},
        {"two, both picked", Mode::TwoPlayers, {4}, {0}, {}, "4 0 oooox"},
        {"two, player 1's picture taken", Mode::TwoPlayers, {1}, {1, 0}, {}, "1 0 oxooo"},
    };
    for (const Row &row : rows) {
        choose(row.mode);
        page.setUp();
        EXPECT_TRUE(page.picture().red) << row.name;
        feed(row.draws, 1, 3);
        platform::Random::instance().feed({0.99f});
        for (const int index : row.clicks1)
            page.clickPicture(index);
        QString result;
        if (page.weiter(QStringLiteral("Lena")) == PlayerPage::Next::SecondPlayer) {
            page.setUp(); // once more before player 2's page opens, and at its load
            page.setUp();
            EXPECT_FALSE(page.picture().red) << row.name;
            result = u' ' + shown();
            for (const int index : row.clicks2)
                page.clickPicture(index);
            EXPECT_EQ(page.weiter(QStringLiteral("Ben")), PlayerPage::Next::Board) << row.name;
            EXPECT_EQ(Mdlmodul.NameSpieler1 + Mdlmodul.NameSpieler2, QStringLiteral("LenaBen"));
        }
        EXPECT_EQ(animals() + result, row.expected) << row.name;
        EXPECT_EQ(platform::Random::instance().next(), 0.99f) << row.name << ": the draws fed were taken";
    }
}

} // namespace
