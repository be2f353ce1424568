#include "memory/memorytesting.h"

using namespace memory_testing;
using memory::PlayerPage;

namespace {

class Page : public ::testing::Test, private memory::PlayerPageWindow
{
protected:
    // The five pictures: shown (o), blinked away (-) or locked (x).
    QString shown() const
    {
        QString text;
        for (int i = 0; i < 5; ++i)
            text += QLatin1Char(i == page.picture().taken ? 'x' : page.picture().shown[i] ? 'o' : '-');
        return text;
    }
    void setTmrblinkerEnabled(bool) override {} // the blink is the window's: its road shows it
    testing_support::ProgramFolderFixture folder;
    PlayerPage page {*this};
};

// Each place is drawn after its own reseed until a free animal comes up.
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
    const auto first = Mdlmodul.IconDateien.begin() + 1;
    const QStringList names(first, first + 10);
    for (quint64 seed = 1; seed <= 200; ++seed) {
        platform::Random::instance().seed(seed);
        memory::shuffleAnimals();
        ASSERT_TRUE(std::is_permutation(first, first + 10, names.begin(), names.end())) << "seed " << seed;
    }
}

// Only the first click picks, also after 255 more. Who picked nothing gets picture 1, 2 or 3 (fed draws), never the
// other's; the computer takes the picture right of the pupil's, the fourth for the rightmost. Player 2's page keeps
// player 1's pick and locks its picture (x).
TEST_F(Page, WithOrWithoutPicksBothPlayersReachTheBoardWithDifferentAnimals)
{
    struct Row { const char *name; Mode mode; std::initializer_list<int> clicks1, clicks2, draws; QString expected; };
    const Row rows[] = {
        {"alone, no pick", Mode::Alone, {}, {}, {2, 2, 2, 1}, "2 1 Lena/"},
        {"alone, a pick", Mode::Alone, {0}, {}, {3}, "0 3 Lena/"},
        {"computer, no pick", Mode::AgainstComputer, {}, {}, {1, 1, 3}, "1 3 Lena/"},
        {"computer, picture 0", Mode::AgainstComputer, {0}, {}, {}, "0 1 Lena/"},
        {"computer, picture 3", Mode::AgainstComputer, {3}, {}, {}, "3 4 Lena/"},
        {"computer, picture 4", Mode::AgainstComputer, {4}, {}, {}, "4 3 Lena/"},
        {"two, no picks", Mode::TwoPlayers, {}, {}, {3, 3, 2}, "3 2 Lena/Ben oooxo"},
        {"two, both picked", Mode::TwoPlayers, {4}, {0}, {}, "4 0 Lena/Ben oooox"},
        {"two, player 1's picture taken", Mode::TwoPlayers, {1}, {1, 0}, {}, "1 0 Lena/Ben oxooo"},
    };
    for (const Row &row : rows) {
        prepareGame(row.mode, 0);
        Mdlmodul.SpielerAufrufe = 0;
        page.setUp();
        feed(row.draws, 1, 3);
        platform::Random::instance().feed({0.99f});
        for (const int index : row.clicks1)
            page.clickPicture(index);
        for (int i = 0; i < 300 && row.clicks1.size(); ++i)
            page.clickPicture(i % 5);
        QString locked;
        if (page.weiter(QStringLiteral("Lena")) == PlayerPage::Next::SecondPlayer) {
            page.setUp(); // once more before player 2's page opens, and at its load
            page.setUp();
            locked = u' ' + shown();
            for (const int index : row.clicks2)
                page.clickPicture(index);
            EXPECT_EQ(page.weiter(QStringLiteral("Ben")), PlayerPage::Next::Board) << row.name;
        }
        EXPECT_EQ(QStringLiteral("%1 %2 %3/%4").arg(Mdlmodul.IconSpieler1).arg(Mdlmodul.IconSpieler2)
                      .arg(Mdlmodul.NameSpieler1, Mdlmodul.NameSpieler2) + locked, row.expected) << row.name;
        EXPECT_EQ(platform::Random::instance().next(), 0.99f) << row.name << ": the draws fed were taken";
    }
}

} // namespace
