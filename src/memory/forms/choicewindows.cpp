#include "memory/forms/choicewindows.h"

#include "memory/forms/fullscreen.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/keys.h"
#include "platform/pictures.h"
#include "platform/vbcolor.h"
#include "state/mdlmodul.h"

#include <QtWidgets/QPushButton>

using platform::Forms;

namespace {

constexpr quint32 darkBlue = 0xC00000;
constexpr quint32 white = 0xFFFFFF;
constexpr quint32 red = 0xFF;

QFont choiceFont()
{
    return platform::vbFont(QStringLiteral("MS Sans Serif"), 24);
}

QPushButton *countButton(QWidget *parent, const char *name, const QString &text, double left)
{
    auto *button = new platform::CommandButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(choiceFont());
    button->setBackColor(platform::vbColor(red));
    platform::Form::placeTwips(button, left, 2040, 4695, 4455);
    return button;
}

} // namespace

ChoiceWindow::ChoiceWindow(const QString &name)
    : Form(name)
{
    fillScreen(this);
    setBackColor(darkBlue);
    setFont(choiceFont());
}

void ChoiceWindow::goOn(const QString &next)
{
    auto &forms = Forms::instance();
    forms.load(next);
    unload();
    forms.show(next);
}

QLabel *ChoiceWindow::caption(const char *name, const QString &text, quint32 color, double left, double top,
                              double width, double height)
{
    QLabel *label = platform::makeLabel(client(), text, choiceFont(), platform::vbColor(color),
                                        platform::vbColor(darkBlue));
    label->setWordWrap(false);
    label->setObjectName(QLatin1String(name));
    placeTwips(label, left, top, width, height);
    return label;
}

platform::ImageBox *ChoiceWindow::picture(const char *name, const QString &resource, double left)
{
    auto *image = new platform::ImageBox(client());
    image->setObjectName(QLatin1String(name));
    placeTwips(image, left, 1200, 5175, 6735);
    image->setStretch(true);
    image->setSingleBorder(true);
    image->setPicture(platform::picture(resource, image->size()));
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

void ChoiceWindow::keyPressEvent(QKeyEvent *event)
{
    // A pupil who chose the wrong game is not trapped in a window without a
    // title bar. The main window may have been hidden by the sign-in.
    if (platform::isEscape(event)) {
        unload();
        Forms::instance().show(QStringLiteral("frmStart"));
        return;
    }
    Form::keyPressEvent(event);
}

frmAnzahl::frmAnzahl()
    : ChoiceWindow(staticName())
{
    Lblanzahlspieler = caption("Lblanzahlspieler", QStringLiteral("Wieviele Spieler?"), white, 4080, 480, 3735, 495);

    CmdeinSpieler = countButton(client(), "CmdeinSpieler", QStringLiteral("1"), 600);
    CmdzweiSpieler = countButton(client(), "CmdzweiSpieler", QStringLiteral("2"), 6600);
    connect(CmdeinSpieler, &QPushButton::clicked, this, &frmAnzahl::CmdeinSpieler_Click);
    connect(CmdzweiSpieler, &QPushButton::clicked, this, &frmAnzahl::CmdzweiSpieler_Click);
    setTabOrder(CmdeinSpieler, CmdzweiSpieler);
    CmdeinSpieler->setFocus();
}

// The player-count choice starts a new game's run of the player page, which
// then shuffles the animals again.
void frmAnzahl::CmdeinSpieler_Click()
{
    Mdlmodul.SpielerAufrufe = 0;
    Mdlmodul.AnzahlSpieler = 1;
    goOn(FrmCompi::staticName());
}

// Two pupils never meet the computer, whatever an earlier game left.
void frmAnzahl::CmdzweiSpieler_Click()
{
    Mdlmodul.SpielerAufrufe = 0;
    Mdlmodul.AnzahlSpieler = 2;
    Mdlmodul.GegenCompi = QStringLiteral("nein");
    goOn(FrmSchwierigkeit::staticName());
}

FrmCompi::FrmCompi()
    : ChoiceWindow(staticName())
{
    LblAlleine = caption("LblAlleine", QStringLiteral("Alleine spielen"), white, 1200, 360, 3135, 495);
    Lblgegencompi = caption("Lblgegencompi", QStringLiteral("Gegen Compi "), platform::SystemColor::HighlightText, 7560,
                            360, 3015, 615);
    Imgallein = picture("Imgallein", QStringLiteral(":/memory/alone.svg"), 240);
    Imgcompi = picture("Imgcompi", QStringLiteral(":/memory/against_computer.svg"), 6360);
    connect(Imgallein, &platform::ImageBox::clicked, this, &FrmCompi::Imgallein_Click);
    connect(Imgcompi, &platform::ImageBox::clicked, this, &FrmCompi::Imgcompi_Click);
}

void FrmCompi::Imgallein_Click()
{
    Mdlmodul.GegenCompi = QStringLiteral("nein");
    goOn(FrmSchwierigkeit::staticName());
}

// The player count stays 1 until the board makes the computer the second
// party: the player page asks for one name.
void FrmCompi::Imgcompi_Click()
{
    Mdlmodul.GegenCompi = QStringLiteral("ja");
    goOn(FrmSchwierigkeit::staticName());
}

FrmSchwierigkeit::FrmSchwierigkeit()
    : ChoiceWindow(staticName())
{
    Label1 = caption("Label1", QStringLiteral("Leicht"), platform::SystemColor::HighlightText, 2160, 360, 1335, 495);
    Label2 = caption("Label2", QStringLiteral("Schwer"), platform::SystemColor::HighlightText, 8280, 360, 1575, 495);
    ImgLeicht = picture("ImgLeicht", QStringLiteral(":/memory/easy.svg"), 240);
    ImgSchwierig = picture("ImgSchwierig", QStringLiteral(":/memory/hard.svg"), 6360);
    connect(ImgLeicht, &platform::ImageBox::clicked, this, &FrmSchwierigkeit::ImgLeicht_Click);
    connect(ImgSchwierig, &platform::ImageBox::clicked, this, &FrmSchwierigkeit::ImgSchwierig_Click);
}

void FrmSchwierigkeit::ImgLeicht_Click()
{
    Mdlmodul.Schwierigkeit = 0;
    goOn(QStringLiteral("frmSpieler1"));
}

void FrmSchwierigkeit::ImgSchwierig_Click()
{
    Mdlmodul.Schwierigkeit = 1;
    goOn(QStringLiteral("frmSpieler1"));
}
