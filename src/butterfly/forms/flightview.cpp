#include "butterfly/forms/flightview.h"

#include "butterfly/flight.h"
#include "platform/twips.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QPaintEvent>

#include <cmath>

namespace butterfly {

FlightView::FlightView(const Flight &flight, QWidget *parent)
    : QWidget(parent)
    , m_flight(flight)
    , m_pixelsPerTwip(platform::logicalDpi() / 1440.0)
    , m_drawn(flight.count())
{
    // Every pixel is painted from the pixmap: nothing under it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(parent->rect());
}

void FlightView::setBackground(const QPixmap &background)
{
    m_background = background;
    update();
}

void FlightView::setButterflyPicture(const QPixmap &picture)
{
    m_butterfly = picture;
    update();
}

QRect FlightView::butterflyRect(int k) const
{
    const butterfly::Butterfly &b = m_flight[k];
    return {int(std::lround(b.Left * m_pixelsPerTwip)), int(std::lround(b.Top * m_pixelsPerTwip)),
            int(std::lround(butterfly::ButterflyWidth * m_pixelsPerTwip)),
            int(std::lround(butterfly::ButterflyHeight * m_pixelsPerTwip))};
}

int FlightView::butterflyAt(QPoint pos) const
{
    for (int k = int(m_drawn.size()) - 1; k >= 0; --k) {
        if (m_drawn[k].contains(pos))
            return k;
    }
    return -1;
}

void FlightView::sync()
{
    QRegion dirty;
    for (int k = 0; k < m_flight.count(); ++k) {
        const QRect now = m_flight[k].Visible ? butterflyRect(k) : QRect();
        if (now == m_drawn[k])
            continue;
        // Old and new place overlap by most of a butterfly: one rectangle.
        dirty += m_drawn[k].united(now);
        m_drawn[k] = now;
    }
    if (!dirty.isEmpty())
        update(dirty);
}

void FlightView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &rect : event->region())
        painter.drawPixmap(rect, m_background, rect);
    const QRect bounds = event->rect();
    for (const QRect &place : m_drawn) {
        if (place.intersects(bounds))
            painter.drawPixmap(place.topLeft(), m_butterfly);
    }
}

void FlightView::mousePressEvent(QMouseEvent *event)
{
    const int k = event->button() == Qt::LeftButton ? butterflyAt(event->position().toPoint()) : -1;
    if (k < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    Q_EMIT butterflyPressed(k);
}

} // namespace butterfly
