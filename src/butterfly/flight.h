#pragma once

#include <QtCore/QtGlobal>

#include <vector>

// How butterflies fly across the start screen and the two game screens: in
// fixed steps of about 100 twips a tick, turning back at the window's edges
// and at the top of the bottom strip where the baskets and buttons stand.
namespace butterfly {

// The butterfly picture, 43 x 37 pixels, in twips.
inline constexpr float ButterflyWidth = 645;
inline constexpr float ButterflyHeight = 555;
// The lowest part of a window, where baskets and buttons stand: the
// butterflies turn at its top edge.
inline constexpr float BottomStrip = 1500;
// The inner size of the start screen and of both game screens, in twips.
inline constexpr float AreaWidth = 11880;
inline constexpr float AreaHeight = 8595;

// One butterfly: its top-left corner in twips from the top-left corner of the
// area, and its step per tick (positive: right, down). A hidden butterfly
// flies on unseen.
struct Butterfly
{
    float Left = 0;
    float Top = 0;
    qint16 SchrittX = 0;
    qint16 SchrittY = 0;
    bool Visible = true;
};

// The start screen's butterflies never start upward; the game screens' start
// upward or downward at random.
enum class VerticalStart { DownwardOrLevel, EitherWay };

class Flight
{
public:
    explicit Flight(int count, float width = AreaWidth, float height = AreaHeight);

    // New steps and positions for every butterfly, from a freshly reseeded
    // generator: per butterfly the step (one draw), for EitherWay the sign of
    // the vertical step (one draw), then Left and Top (one draw each).
    void setUp(VerticalStart start);

    // Moves every butterfly, hidden ones too, by one step. A butterfly that
    // has reached or crossed a border before the move turns first, so it may
    // stand past a border by less than one step until the next tick.
    void tick();

    int count() const { return static_cast<int>(m_butterflies.size()); }
    Butterfly &operator[](int k) { return m_butterflies[k]; }
    const Butterfly &operator[](int k) const { return m_butterflies[k]; }

    // The speed every set-up gives: the length of a step in twips.
    qint16 Tempo = 0;

private:
    float m_width;
    float m_height;
    std::vector<Butterfly> m_butterflies;
};

} // namespace butterfly
