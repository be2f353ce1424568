#include "arithmetic/forms/frmlevel.h"

#include "arithmetic/forms/formparts.h"
#include "arithmetic/forms/frmHaupt.h"
#include "arithmetic/scoring.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "state/variablen.h"

namespace {

platform::PictureButton *levelButton(QWidget *parent, const char *name, const QString &caption,
                                     const QString &picture, double left, double width)
{
    auto *button = new platform::PictureButton(
        caption, platform::picture(picture, QSize(platform::twipsToPixels(1440), platform::twipsToPixels(1080))),
        parent);
    button->setObjectName(QLatin1String(name));
    platform::Form::placeTwips(button, left, 1440, width, 1575);
    return button;
}

} // namespace

frmlevel::frmlevel()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Levelwahl"));
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xFFC0C0);
    setClientSizeTwips(9015, 3270);

    lblleveltext = platform::makeLabel(client(), QStringLiteral("  Welches Level möchtest du spielen ???"),
                                       platform::vbFont(QStringLiteral("MS Sans Serif"), 20.25, true), Qt::black);
    lblleveltext->setObjectName(QStringLiteral("lblleveltext"));
    placeTwips(lblleveltext, 360, 240, 8295, 975);

    cmdLevel1 = levelButton(client(), "cmdLevel1", QStringLiteral("leicht"), QStringLiteral(":/arithmetic/level_fly.svg"),
                            360, 2055);
    cmdLevel2 = levelButton(client(), "cmdLevel2", QStringLiteral("mittel"), QStringLiteral(":/arithmetic/level_dog.svg"),
                            3480, 2055);
    cmdLevel3 = levelButton(client(), "cmdLevel3", QStringLiteral("schwer"),
                            QStringLiteral(":/arithmetic/level_elephant.svg"), 6720, 1935);
    connect(cmdLevel1, &QToolButton::clicked, this, &frmlevel::cmdLevel1_Click);
    connect(cmdLevel2, &QToolButton::clicked, this, &frmlevel::cmdLevel2_Click);
    connect(cmdLevel3, &QToolButton::clicked, this, &frmlevel::cmdLevel3_Click);
    setTabOrder(cmdLevel1, cmdLevel2);
    setTabOrder(cmdLevel2, cmdLevel3);
    cmdLevel1->setFocus();

    addEdgeLines(client());
    adjustSize();
    centerOnScreen();
}

void frmlevel::cmdLevel1_Click()
{
    choose(1, &frmHaupt::Leveleins);
}

void frmlevel::cmdLevel2_Click()
{
    choose(2, &frmHaupt::levelzwei);
}

void frmlevel::cmdLevel3_Click()
{
    choose(3, &frmHaupt::leveldrei);
}

void frmlevel::choose(quint8 level, void (frmHaupt::*generator)())
{
    if (auto *board = platform::Forms::instance().find<frmHaupt>())
        (board->*generator)();
    chooseLevel(Variablen, level);
    unload();
}
