#pragma once

#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

#include <vector>

namespace butterfly {

class Flight;

// The sky of a butterfly window with its flying butterflies, the control
// array imgfangen. The window's fixed picture (background, speech bubble,
// basket lines) is painted once into a pixmap; a tick repaints only the
// rectangles a butterfly left and entered, so twenty butterflies at ten
// ticks a second cost next to nothing. The transparent labels created after
// it (the task, the points) stay in front: Qt paints a transparent sibling
// above again over every part of this view it repaints.
class FlightView : public QWidget
{
    Q_OBJECT
public:
    FlightView(const Flight &flight, QWidget *parent);

    void setBackground(const QPixmap &background);
    void setButterflyPicture(const QPixmap &picture);

    // Repaints what changed since the last call: the butterflies that moved,
    // vanished or came back.
    void sync();

    // Where butterfly k flies, in pixels of this widget; drawn there from
    // the next sync() on.
    QRect butterflyRect(int k) const;
    // The butterfly drawn topmost at pos, or -1.
    int butterflyAt(QPoint pos) const;

Q_SIGNALS:
    // A press on a flying butterfly: catching must not wait for the release,
    // by which time the butterfly may have flown on from under the pointer.
    void butterflyPressed(int k);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const Flight &m_flight;
    QPixmap m_background;
    QPixmap m_butterfly;
    double m_pixelsPerTwip;
    std::vector<QRect> m_drawn; // as on screen; empty for a hidden butterfly
};

} // namespace butterfly
