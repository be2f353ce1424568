#include "butterfly/forms/frmfangmich.h"

#include "butterfly/forms/flightview.h"
#include "butterfly/forms/screenparts.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/pictures.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "state/modvar.h"
#include "state/variablen.h"

#include <QtCore/QEvent>
#include <QtCore/QPointer>
#include <QtGui/QPainter>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

#include <array>

using namespace butterfly;
using platform::Forms;

namespace butterfly {

struct TwipsPoint
{
    double x;
    double y;
};

// What sets the two game screens apart besides their play.
struct GameScreenLayout
{
    const char *caption;
    butterfly::Level level;
    const char *otherScreen;
    const char *timerName;
    const char *endCaption;
    const char *pointsName;
    double taskLeft;
    double bubbleTop;
    // Basket slots come in rows of five, 600 twips apart, filled from slot 0.
    std::vector<TwipsPoint> slotRows;
    // Each basket an open trapezoid: three lines through four corners.
    std::vector<std::array<TwipsPoint, 4>> baskets;
    TwipsPoint pointsHeading;
    TwipsPoint points;
    TwipsPoint start;
};

} // namespace butterfly

namespace {

const GameScreenLayout leichtLayout {
    "LEICHT", butterfly::Leicht, "frmfangmichSCHWER", "tmrBewegungLeicht", "Verlassen", "lblpunktel", 3600, 2880,
    {{240, 7560}, {3600, 7560}},
    {{{{120, 7680}, {360, 8280}, {3120, 8280}, {3360, 7680}}}, {{{3480, 7680}, {3720, 8280}, {6480, 8280}, {6720, 7680}}}},
    {10560, 7200}, {10680, 7560}, {10680, 6360},
};

const GameScreenLayout schwerLayout {
    "SCHWER", butterfly::Schwer, "frmfangmichLEICHT", "tmrBewegungSchwer", "Ende", "lblpunktes", 3480, 3000,
    {{240, 6960}, {3480, 6960}, {240, 7560}, {3480, 7560}},
    {{{{120, 6960}, {360, 7560}, {3120, 7560}, {3360, 6960}}}, {{{3360, 6960}, {3600, 7560}, {6360, 7560}, {6600, 6960}}},
     {{{120, 7560}, {360, 8160}, {3120, 8160}, {3360, 7560}}}, {{{3360, 7560}, {3600, 8160}, {6360, 8160}, {6600, 7560}}}},
    {10440, 6960}, {10560, 7440}, {5400, 5760},
};

QPointF pixels(TwipsPoint p)
{
    const double scale = platform::logicalDpi() / 1440.0;
    return {p.x * scale, p.y * scale};
}

// The parts of the window that never move, painted once: the background,
// the speech bubble behind the task and the basket outlines.
QPixmap fixedPicture(QSize size, const GameScreenLayout &layout)
{
    QPixmap picture = skyPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect bubble(platform::twipsToPixels(3000), platform::twipsToPixels(layout.bubbleTop),
                       platform::twipsToPixels(3990), platform::twipsToPixels(1200));
    painter.drawPixmap(bubble.topLeft(), platform::picture(QStringLiteral(":/butterfly/speech_bubble.svg"), bubble.size()));
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto &corners : layout.baskets) {
        const QPointF line[] = {pixels(corners[0]), pixels(corners[1]), pixels(corners[2]), pixels(corners[3])};
        painter.drawPolyline(line, 4);
    }
    return picture;
}

QLabel *transparentLabel(QWidget *parent, const char *name, const QString &text, const QFont &font, const QColor &fore)
{
    QLabel *label = platform::makeLabel(parent, text, font, fore);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(false);
    // Clicks go through to the butterflies behind it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

frmfangmich::frmfangmich(const QString &name, const GameScreenLayout &layout)
    : Form(name)
    , m_layout(layout)
    , m_round(layout.level, Variablen)
{
    setWindowTitle(QLatin1String(layout.caption));
    setBorder(Border::FixedSingle, /*closeBox=*/false);
    setClientSizeTwips(butterfly::AreaWidth, butterfly::AreaHeight);

    imgfangen = new FlightView(m_round.flight(), client());
    imgfangen->setObjectName(QStringLiteral("imgfangen"));
    imgfangen->setBackground(fixedPicture(client()->size(), layout));
    const QPixmap butterflyImage = butterflyPicture();
    imgfangen->setButterflyPicture(butterflyImage);
    connect(imgfangen, &FlightView::butterflyPressed, this, &frmfangmich::imgfangen_Click);

    lblaufgabe = transparentLabel(client(), "lblaufgabe", QString(),
                                  platform::vbFont(QStringLiteral("MS Sans Serif"), 29.25, true), Qt::black);
    placeTwips(lblaufgabe, layout.taskLeft, 3000, 3495, 615);

    for (int k = 0; k < layout.level.butterflies; ++k) {
        auto *slot = new platform::ImageBox(client());
        slot->setObjectName(QStringLiteral("imgfang(%1)").arg(k));
        const TwipsPoint row = layout.slotRows[k / 5];
        placeTwips(slot, row.x + 600 * (k % 5), row.y, butterfly::ButterflyWidth, butterfly::ButterflyHeight);
        slot->setPicture(butterflyImage);
        slot->hide();
        connect(slot, &platform::ImageBox::clicked, this, [this, k] { imgfang_Click(k); });
        imgfang.push_back(slot);
    }

    cmdGenug = pictureButton(client(), "cmdGenug", QStringLiteral("Fertig!!"), QStringLiteral(":/butterfly/tick.svg"),
                             QSize(67, 68), 0xFF00);
    placeTwips(cmdGenug, 8880, 6960, 1300, 1575);
    CmdEnde = pictureButton(client(), "CmdEnde", QLatin1String(layout.endCaption),
                            QStringLiteral(":/butterfly/door.svg"), QSize(59, 86), 0xFF);
    placeTwips(CmdEnde, 6840, 6960, 1300, 1575);
    connect(cmdGenug, &QToolButton::clicked, this, &frmfangmich::cmdGenug_Click);
    connect(CmdEnde, &QToolButton::clicked, this, &frmfangmich::CmdEnde_Click);

    // Never seen: it only carries the next-task operation.
    auto *start = new platform::CommandButton(QStringLiteral("start"), client());
    start->setObjectName(QStringLiteral("cmdstart"));
    start->setBackColor(platform::vbColor(0xC000));
    cmdstart = start;
    placeTwips(cmdstart, layout.start.x, layout.start.y, 1095, 495);
    cmdstart->hide();
    connect(cmdstart, &QPushButton::clicked, this, &frmfangmich::cmdstart_Click);

    Label1 = transparentLabel(client(), "Label1", QStringLiteral(" PUNKTE"),
                              platform::vbFont(QStringLiteral("MS Sans Serif"), 12, true), Qt::black);
    placeTwips(Label1, layout.pointsHeading.x, layout.pointsHeading.y, 1215, 255);
    lblpunkte = transparentLabel(client(), layout.pointsName, QString(),
                                 platform::vbFont(QStringLiteral("Comic Sans MS"), 21.75, true),
                                 platform::vbColor(0xFF));
    placeTwips(lblpunkte, layout.points.x, layout.points.y, 1215, 615);

    tmrBewegung = new platform::Timer(100, this);
    tmrBewegung->setObjectName(QLatin1String(layout.timerName));
    connect(tmrBewegung, &platform::Timer::tick, this, &frmfangmich::tmrBewegung_Timer);

    setTabOrder(cmdGenug, CmdEnde);
    cmdGenug->setFocus();
    adjustSize();
    centerOnScreen();
}

void frmfangmich::Form_Load()
{
    // Only one game screen exists at a time.
    Forms::instance().close(QLatin1String(m_layout.otherScreen));
    m_round.open();
    showTask();
}

void frmfangmich::showTask()
{
    lblaufgabe->setText(m_round.task());
    imgfangen->sync();
    lblpunkte->setText(QString::number(modVar.SpielerPunkte));
    tmrBewegung->setEnabled(true);
}

void frmfangmich::showCatches()
{
    for (int j = 0; j < int(imgfang.size()); ++j)
        imgfang[j]->setVisible(m_round.isSlotShown(j));
    imgfangen->sync();
}

// The opening's window steps (close the other screen, points label, timer
// on) give the same result however often they run, so they run once after
// the draws have been repeated until the task differs.
void frmfangmich::cmdstart_Click()
{
    m_round.nextTask();
    Forms::instance().close(QLatin1String(m_layout.otherScreen));
    showTask();
    showCatches();
}

void frmfangmich::tmrBewegung_Timer()
{
    m_round.flight().tick();
    imgfangen->sync();
}

void frmfangmich::imgfangen_Click(int k)
{
    if (m_round.catchButterfly(k))
        showCatches();
}

void frmfangmich::imgfang_Click(int slot)
{
    if (m_round.release(slot))
        showCatches();
}

void frmfangmich::cmdGenug_Click()
{
    QPointer<frmfangmich> self(this);
    Forms::instance().showModal(m_round.isRight() ? QStringLiteral("frmRichtig") : QStringLiteral("frmdaneben"));
    if (self) {
        activateWindow();
        Form_GotFocus();
    }
}

void frmfangmich::Form_GotFocus()
{
    lblpunkte->setText(QString::number(modVar.SpielerPunkte));
}

void frmfangmich::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_GotFocus();
    Form::changeEvent(event);
}

// The game's result is already in the play state; the save window stores it.
void frmfangmich::CmdEnde_Click()
{
    Forms::instance().close(QStringLiteral("frmstartschmetterling"));
    unload();
    Forms::instance().show(QStringLiteral("frmSpeichern"));
}

void frmfangmich::Form_Unload()
{
    tmrBewegung->setEnabled(false);
}

frmfangmichLEICHT::frmfangmichLEICHT()
    : frmfangmich(staticName(), leichtLayout)
{
}

frmfangmichSCHWER::frmfangmichSCHWER()
    : frmfangmich(staticName(), schwerLayout)
{
}
