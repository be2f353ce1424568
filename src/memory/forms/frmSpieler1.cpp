#include "memory/forms/frmSpieler1.h"

#include "memory/forms/fullscreen.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/namebox.h"
#include "platform/pictures.h"
#include "platform/timer.h"
#include "platform/vbcolor.h"
#include "state/mdlmodul.h"

#include <QtWidgets/QLineEdit>

using platform::Forms;

namespace {

constexpr quint32 darkBlue = 0xC00000;
constexpr quint32 red = 0xFF;

QFont pageFont(double points)
{
    return platform::vbFont(QStringLiteral("MS Sans Serif"), points);
}

} // namespace

frmSpieler1::frmSpieler1()
    : Form(staticName())
    , m_page(*this)
{
    fillScreen(this);
    setBackColor(darkBlue);
    setFont(pageFont(8.25));
    const QColor highlightText = platform::vbColor(platform::SystemColor::HighlightText);

    lblnamen = platform::makeLabel(client(), QStringLiteral("Gib deinen Namen ein!"), pageFont(18), highlightText,
                                   platform::vbColor(darkBlue));
    lblnamen->setObjectName(QStringLiteral("lblnamen"));
    lblnamen->setWordWrap(false);
    placeTwips(lblnamen, 4080, 120, 3735, 495);

    TxtName = new QLineEdit(client());
    TxtName->setObjectName(QStringLiteral("TxtName"));
    TxtName->setFont(pageFont(24));
    platform::filterNameBox(TxtName);
    placeTwips(TxtName, 3960, 840, 3975, 735);

    Label1 = platform::makeLabel(client(), QStringLiteral("Such dir ein Bild aus!"), pageFont(18), highlightText);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(false);
    placeTwips(Label1, 4320, 2400, 3375, 375);

    const double lefts[] = {720, 2880, 5040, 7200, 9480};
    for (int i = 0; i < 5; ++i) {
        auto *image = new platform::ImageBox(client());
        image->setObjectName(QStringLiteral("Imgicon(%1)").arg(i));
        image->setStretch(true);
        image->setCursor(Qt::PointingHandCursor);
        placeTwips(image, lefts[i], 3120, 1455, 1935);
        connect(image, &platform::ImageBox::clicked, this, [this, i] { Imgicon_Click(i); });
        Imgicon[i] = image;
    }

    // Not the default button: Enter in the name box does not leave the page.
    cmdweiter = new platform::PictureButton(QStringLiteral("Weiter"), QPixmap(), client());
    cmdweiter->setObjectName(QStringLiteral("cmdweiter"));
    placeTwips(cmdweiter, 5040, 5400, 1815, 1695);
    connect(cmdweiter, &QToolButton::clicked, this, &frmSpieler1::cmdweiter_Click);

    Tmrblinker = new platform::Timer(500, this);
    Tmrblinker->setObjectName(QStringLiteral("Tmrblinker"));
    connect(Tmrblinker, &platform::Timer::tick, this, &frmSpieler1::Tmrblinker_Timer);

    setTabOrder(TxtName, cmdweiter);
    TxtName->setFocus();
    adjustSize();
}

void frmSpieler1::Form_Load()
{
    // A missing picture leaves the button, or an empty frame that still takes
    // the click, and one line in the log.
    QPixmap tick = platform::pictureFromProgramFolder(QStringLiteral("haken1.jpg"));
    if (!tick.isNull())
        tick = tick.scaled(cmdweiter->size() - QSize(16, 40), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    cmdweiter->setIcon(QIcon(tick));
    cmdweiter->setIconSize(tick.size());
    cmdweiter->setToolButtonStyle(tick.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);

    m_page.setUp();
    TxtName->setReadOnly(false);
    const quint32 back = m_page.picture().red ? red : darkBlue;
    setBackColor(back);
    platform::setForeBack(lblnamen, platform::vbColor(platform::SystemColor::HighlightText), platform::vbColor(back));
    for (int i = 0; i < 5; ++i) {
        const QPixmap animal = platform::pictureFromProgramFolder(Mdlmodul.IconDateien[i + 1], Imgicon[i]->size());
        Imgicon[i]->setPicture(animal);
        Imgicon[i]->setSingleBorder(animal.isNull());
    }
    render();
}

void frmSpieler1::render()
{
    const memory::PlayerPagePicture &picture = m_page.picture();
    for (int i = 0; i < 5; ++i) {
        Imgicon[i]->setVisible(picture.shown[i]);
        Imgicon[i]->setEnabled(i != picture.taken);
    }
}

void frmSpieler1::Imgicon_Click(int Index)
{
    m_page.clickPicture(Index);
    render();
}

void frmSpieler1::Tmrblinker_Timer()
{
    m_page.blinkTick();
    render();
}

void frmSpieler1::setTmrblinkerEnabled(bool enabled)
{
    Tmrblinker->setEnabled(enabled);
}

void frmSpieler1::cmdweiter_Click()
{
    auto &forms = Forms::instance();
    if (m_page.weiter(TxtName->text()) == memory::PlayerPage::Next::SecondPlayer) {
        // The set-up runs once more for player 2 before the page is made
        // anew: an empty name box and the same five animals. Only its state
        // counts; the pictures of this page, about to close, stay as they are.
        m_page.setUp();
        unload();
        forms.show(staticName());
        return;
    }
    forms.load(QStringLiteral("frmMemory"));
    unload();
    forms.show(QStringLiteral("frmMemory"));
}
