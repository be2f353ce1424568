#include "memory/forms/frmMemory.h"

#include "memory/forms/fullscreen.h"
#include "memory/score.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/pictures.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "state/mdlmodul.h"

#include <QtGui/QCursor>
#include <QtWidgets/QLabel>

using memory::Face;
using platform::Forms;

namespace {

constexpr quint32 boardColor = 0xFF8080;
constexpr quint32 red = 0xFF;
constexpr quint32 darkBlue = 0xC00000;

QSize pixels(const QRect &twips)
{
    return {platform::twipsToPixels(twips.width()), platform::twipsToPixels(twips.height())};
}

void place(QWidget *control, const QRect &twips)
{
    platform::Form::placeTwips(control, twips.x(), twips.y(), twips.width(), twips.height());
}

QLabel *textLabel(QWidget *parent, const char *name, double points)
{
    QLabel *label = platform::makeLabel(parent, QString(), platform::vbFont(QStringLiteral("MS Sans Serif"), points, true),
                                        Qt::black);
    label->setWordWrap(false);
    label->setObjectName(QLatin1String(name));
    return label;
}

platform::PictureButton *pictureButton(QWidget *parent, const char *name, const QString &file, double left)
{
    const int side = platform::twipsToPixels(1455);
    // A missing picture leaves the button as it is: framed, and still pressable.
    const QPixmap picture = platform::pictureFromProgramFolder(file, QSize(side - 14, side - 14));
    auto *button = new platform::PictureButton(QString(), picture, parent);
    button->setObjectName(QLatin1String(name));
    platform::Form::placeTwips(button, left, 7320, 1455, 1455);
    return button;
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

frmMemory::frmMemory()
    : Form(staticName())
    , m_board(*this)
{
    fillScreen(this);
    setBackColor(boardColor);
    setFont(platform::vbFont(QStringLiteral("MS Sans Serif"), 8.25));
    setCursor(QCursor(platform::picture(QStringLiteral(":/memory/spade.svg"), QSize(32, 32)), 16, 2));

    // Lowest first: the neutral smiley lies under the sad one, and both
    // under the laughing one.
    const QSize smiley(platform::twipsToPixels(1000), platform::twipsToPixels(1000));
    const char *smileyFiles[] = {":/memory/smiley_laughing.svg", ":/memory/smiley_sad.svg",
                                 ":/memory/smiley_neutral.svg"};
    for (int i = 2; i >= 0; --i) {
        auto *image = new platform::ImageBox(client());
        image->setObjectName(indexed("PctSmilie", i));
        placeTwips(image, 5880, 600, 1000, 1000);
        image->setPicture(platform::picture(QLatin1String(smileyFiles[i]), smiley));
        image->hide();
        PctSmilie[i] = image;
    }

    lblErgebnis = textLabel(client(), "lblErgebnis", 24);
    placeTwips(lblErgebnis, 360, 4920, 6495, 495);
    Lbldran = textLabel(client(), "Lbldran", 24);
    placeTwips(Lbldran, 360, 5520, 8295, 1095);
    LblPaar = textLabel(client(), "LblPaar", 24);
    placeTwips(LblPaar, 360, 6360, 8175, 735);

    for (int i = 0; i < 5; ++i) {
        auto *image = new platform::ImageBox(client());
        image->setObjectName(indexed("Imgmyicon", i));
        image->setStretch(true);
        placeTwips(image, 5500, 4000, 1455, 1935);
        image->hide();
        Imgmyicon[i] = image;
    }

    const QFont numberFont = platform::vbFont(QStringLiteral("MS Sans Serif"), 35);
    for (int i = 0; i < memory::slotCount; ++i) {
        lblZahl[i] = new QLabel(client());
        lblZahl[i]->setObjectName(indexed("lblZahl", i));
        lblZahl[i]->setFont(numberFont);
        lblZahl[i]->setAlignment(Qt::AlignCenter);
        lblZahl[i]->hide();

        pctBild[i] = new platform::ImageBox(client());
        pctBild[i]->setObjectName(indexed("pctBild", i));
        pctBild[i]->setAlignment(Qt::AlignCenter);
        pctBild[i]->setSingleBorder(true);
        connect(pctBild[i], &platform::ImageBox::clicked, this, [this, i] { pctBild_Click(i); });
    }

    // Each found pair is two labels, the second over the first; made in
    // order, a later label lies over an earlier one.
    const QFont foundFont = platform::vbFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    for (auto [labels, name, color] : {std::tuple(&Lbleins, "Lbleins", red), std::tuple(&Lblzwei, "Lblzwei", darkBlue)}) {
        for (int i = 0; i < memory::slotCount; ++i) {
            QLabel *label = platform::makeLabel(client(), QString(), foundFont, Qt::white, platform::vbColor(color),
                                                Qt::AlignHCenter | Qt::AlignTop);
            label->setObjectName(indexed(name, i));
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->hide();
            (*labels)[i] = label;
        }
    }

    CmdEnde = pictureButton(client(), "CmdEnde", QStringLiteral("klein_Weiter-tuer.gif"), 9000);
    cmdhilfe = pictureButton(client(), "cmdhilfe", QStringLiteral("klein_Fragezeichen.jpg"), 1200);
    connect(CmdEnde, &QToolButton::clicked, this, &frmMemory::CmdEnde_Click);
    connect(cmdhilfe, &QToolButton::clicked, this, &frmMemory::cmdhilfe_Click);

    Line1 = new QWidget(client());
    Line1->setObjectName(QStringLiteral("Line1"));
    platform::setForeBack(Line1, Qt::black, Qt::black);
    Line1->setGeometry(0, platform::twipsToPixels(7200), platform::twipsToPixels(12000), 1);

    tmrcompi = new platform::Timer(1000, this);
    tmrcompi->setObjectName(QStringLiteral("tmrcompi"));
    connect(tmrcompi, &platform::Timer::tick, this, &frmMemory::tmrcompi_Timer);
    tmrTimer = new platform::Timer(1000, this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    connect(tmrTimer, &platform::Timer::tick, this, &frmMemory::tmrTimer_Timer);

    adjustSize();
}

void frmMemory::Form_Load()
{
    m_board.setUp();
    layOutCards();
    loadAnimals();
    render();
    // The computer's timer ticks from the load on, in every kind of game.
    tmrcompi->setEnabled(true);
}

void frmMemory::layOutCards()
{
    // Read once for every card, the card back is one picture shared by all,
    // made to fit inside the card's frame so that no card scales it again.
    const QSize inside = pixels(memory::cardRect(0)) - QSize(2, 2);
    const QPixmap back = platform::pictureFromProgramFolder(QStringLiteral("sonne2.jpg"), inside);
    for (int i = 0; i < memory::slotCount; ++i) {
        const QRect card = memory::cardRect(i);
        place(pctBild[i], card);
        place(lblZahl[i], card);
        lblZahl[i]->setText(QString::number(m_board.picture().numbers[i]));
        if (back.isNull())
            platform::setForeBack(pctBild[i], Qt::black, Qt::white); // a plain card
        else
            pctBild[i]->setPicture(back);
        place(Lbleins[i], memory::foundPairRect(memory::player1, i));
        place(Lblzwei[i], memory::foundPairRect(memory::player2, i));
    }
}

void frmMemory::loadAnimals()
{
    const MemoryState &m = Mdlmodul;
    for (const int index : {m.IconSpieler1, m.IconSpieler2}) {
        if (index > 4)
            continue; // no animal of the player page: nothing to show
        Imgmyicon[index]->setPicture(
            platform::pictureFromProgramFolder(m.IconDateien[index + 1], Imgmyicon[index]->size()));
    }
}

void frmMemory::render()
{
    const memory::BoardPicture &picture = m_board.picture();
    for (int i = 0; i < memory::slotCount; ++i) {
        const Face face = picture.faces[i];
        pctBild[i]->setVisible(face == Face::Down);
        lblZahl[i]->setVisible(face != Face::Down);
        // White on the party's colour, as in the found-pair displays: black
        // digits on dark blue are hard to read for a young pupil.
        switch (face) {
        case Face::PairedRed:
            platform::setForeBack(lblZahl[i], Qt::white, platform::vbColor(red));
            break;
        case Face::PairedBlue:
            platform::setForeBack(lblZahl[i], Qt::white, platform::vbColor(darkBlue));
            break;
        case Face::Down:
        case Face::Up:
            platform::setForeBack(lblZahl[i], Qt::black);
            break;
        }
        for (auto [labels, party] : {std::pair(&Lbleins, memory::player1), std::pair(&Lblzwei, memory::player2)}) {
            const int number = picture.found[party][i];
            (*labels)[i]->setVisible(number != 0);
            if (number != 0)
                (*labels)[i]->setText(QString::number(number));
        }
    }
    for (int i = 0; i < 3; ++i)
        PctSmilie[i]->setVisible(picture.smileys[i]);
    for (int i = 0; i < 5; ++i)
        Imgmyicon[i]->setVisible(picture.animals[i]);
    lblErgebnis->setText(picture.lblErgebnis);
    Lbldran->setText(picture.Lbldran);
    LblPaar->setText(picture.LblPaar);
}

void frmMemory::pctBild_Click(int index)
{
    m_board.clickCard(index);
    render();
}

void frmMemory::tmrTimer_Timer()
{
    m_board.coverTick();
    render();
}

void frmMemory::tmrcompi_Timer()
{
    m_board.computerTick();
    render();
}

void frmMemory::setTmrTimerEnabled(bool enabled)
{
    tmrTimer->setEnabled(enabled);
}

void frmMemory::setTmrcompiEnabled(bool enabled)
{
    tmrcompi->setEnabled(enabled);
}

void frmMemory::showScoreView()
{
    Forms::instance().show(QStringLiteral("frmStat"));
}

void frmMemory::cmdhilfe_Click()
{
    // The help is a window of its own: it stays when the board closes, and a
    // second press only brings it to the front.
    if (m_board.helpAllowed())
        Forms::instance().show(QStringLiteral("frmHilfe"));
}

void frmMemory::CmdEnde_Click()
{
    memory::handOverGame();
    Forms::instance().close(QStringLiteral("frmStat"));
    Forms::instance().show(QStringLiteral("frmSpeichern"));
    unload();
}
