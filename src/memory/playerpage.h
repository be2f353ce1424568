#pragma once

#include <QtCore/QString>

#include <array>

namespace memory {

// The animals the player page offers, by their fixed numbers 1..10: the
// names of the picture files in the program folder.
QString animalFile(int number);

// The first page of a game shuffles the ten animals into IconDateien(1..10):
// for each place a number 1..10 is drawn, after its own reseed, until one
// not yet taken comes up. Pictures 0..4 of both players' pages and of the
// board show entries 1..5.
void shuffleAnimals();

// What the player page shows besides the name box.
struct PlayerPagePicture
{
    bool red = false;               // player 1's page; player 2's is dark blue
    std::array<bool, 5> shown {};   // Imgicon: the picked one blinks
    int taken = -1;                 // player 1's animal, locked on player 2's page
};

class PlayerPageWindow
{
public:
    virtual ~PlayerPageWindow() = default;
    virtual void setTmrblinkerEnabled(bool enabled) = 0;
};

// The player page frmSpieler1: a name and an animal for each pupil; against
// the computer the computer's animal follows from the pupil's.
class PlayerPage
{
public:
    enum class Next { SecondPlayer, Board };

    explicit PlayerPage(PlayerPageWindow &window);

    // Runs at every load, and once more before player 2's page is loaded.
    // Only the first run of a game clears both picks, asks for player 1 and
    // shuffles; a later run keeps player 1's pick, clears player 2's and
    // locks player 1's animal.
    void setUp();
    // Only the first click on the page picks.
    void clickPicture(int index);
    // Six ticks blink the pick three times; then the timer stops.
    void blinkTick();
    // "Weiter": stores the name, gives a random animal (1..3, never the
    // other's) to whoever picked none, and asks for the next player.
    Next weiter(const QString &name);

    const PlayerPagePicture &picture() const { return m_picture; }

private:
    PlayerPageWindow &m_window;
    PlayerPagePicture m_picture;
};

} // namespace memory
