#include "platform/datacontrol.h"

#include <QtGui/QPainter>
#include <QtGui/QPolygonF>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QToolButton>

namespace platform {

namespace {

// A record arrow: a small solid triangle, with a bar where it leads to the
// first or the last record.
class ArrowButton : public QToolButton
{
public:
    ArrowButton(DataControl::Arrow arrow, QWidget *parent)
        : QToolButton(parent)
        , m_arrow(arrow)
    {
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QToolButton::paintEvent(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        const QRectF area(rect());
        const double h = area.height() * 0.4;
        const double w = h * 0.6;
        const double bar = qMax(1.5, h * 0.18);
        const bool left = m_arrow == DataControl::Arrow::First || m_arrow == DataControl::Arrow::Previous;
        const bool withBar = m_arrow == DataControl::Arrow::First || m_arrow == DataControl::Arrow::Last;
        const double total = w + (withBar ? bar : 0);
        const QPointF c = area.center();
        double x = c.x() - total / 2;
        const double top = c.y() - h / 2;
        if (withBar && left) {
            painter.drawRect(QRectF(x, top, bar, h));
            x += bar;
        }
        QPolygonF triangle;
        if (left)
            triangle << QPointF(x + w, top) << QPointF(x + w, top + h) << QPointF(x, c.y());
        else
            triangle << QPointF(x, top) << QPointF(x, top + h) << QPointF(x + w, c.y());
        painter.drawPolygon(triangle);
        if (withBar && !left)
            painter.drawRect(QRectF(x + w, top, bar, h));
    }

private:
    DataControl::Arrow m_arrow;
};

} // namespace

DataControl::DataControl(QWidget *parent)
    : QWidget(parent)
    , m_caption(new QLabel(this))
{
    const Arrow arrows[] = {Arrow::First, Arrow::Previous, Arrow::Next, Arrow::Last};
    for (Arrow which : arrows)
        m_arrows[static_cast<size_t>(which)] = new ArrowButton(which, this);
    connect(arrow(Arrow::First), &QToolButton::clicked, &m_source, &DataSource::moveFirst);
    connect(arrow(Arrow::Previous), &QToolButton::clicked, &m_source, &DataSource::movePrevious);
    connect(arrow(Arrow::Next), &QToolButton::clicked, &m_source, &DataSource::moveNext);
    connect(arrow(Arrow::Last), &QToolButton::clicked, &m_source, &DataSource::moveLast);

    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_caption->setIndent(4);
    m_caption->setAutoFillBackground(true);
    m_caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette pal = m_caption->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    m_caption->setPalette(pal);

    connect(&m_source, &DataSource::Reposition, this, &DataControl::showCurrentRecord);
}

void DataControl::setCaption(const QString &caption)
{
    m_caption->setText(caption);
}

QString DataControl::caption() const
{
    return m_caption->text();
}

void DataControl::bind(QLineEdit *box, const QString &field)
{
    m_bindings.push_back({box, field});
    box->setText(m_source.Recordset().fieldText(QStringView(field)));
}

void DataControl::showCurrentRecord()
{
    const RecordSet &records = m_source.Recordset();
    for (const Binding &binding : m_bindings)
        binding.box->setText(records.fieldText(QStringView(binding.field)));
    Q_EMIT Reposition();
}

void DataControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Square arrows at both ends, the caption in between.
    const int side = height();
    const int w = width();
    arrow(Arrow::First)->setGeometry(0, 0, side, side);
    arrow(Arrow::Previous)->setGeometry(side, 0, side, side);
    arrow(Arrow::Next)->setGeometry(w - 2 * side, 0, side, side);
    arrow(Arrow::Last)->setGeometry(w - side, 0, side, side);
    m_caption->setGeometry(2 * side, 0, qMax(0, w - 4 * side), side);
}

} // namespace platform
