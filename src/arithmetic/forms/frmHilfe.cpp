#include "arithmetic/forms/frmHilfe.h"

#include "arithmetic/countinghelp.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "state/variablen.h"

#include <QtWidgets/QFrame>

namespace {

QLabel *taskLabel(QWidget *parent, const char *name, double points, const QString &text = QString())
{
    QLabel *label = platform::makeLabel(parent, text, platform::vbFont(QStringLiteral("Times New Roman"), points, true),
                                        platform::vbColor(0xFFFF), QColor(), Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(false);
    label->setObjectName(QLatin1String(name));
    return label;
}

// The three suns of a colour share the cells; those made later lie in front.
void makeSuns(QWidget *frame, std::array<platform::ImageBox *, 21> &suns, const char *name, const QString &picture)
{
    const QPixmap sun = platform::picture(picture, QSize(platform::twipsToPixels(1290), platform::twipsToPixels(1275)));
    for (int i = 1; i <= 20; ++i) {
        auto *image = new platform::ImageBox(frame);
        image->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        platform::Form::placeTwips(image, 1440 + 1800 * ((i - 1) % 5), 120 + 1680 * ((i - 1) / 5), 1290, 1275);
        image->setPicture(sun);
        suns[i] = image;
    }
}

} // namespace

frmHilfe::frmHilfe()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Hilfe"));
    setBorder(Border::FixedSingle, /*closeBox=*/false);
    setBackColor(0xC00000);
    setClientSizeTwips(11880, 8355);

    lblOperator1 = taskLabel(client(), "lblOperator1", 21.75);
    placeTwips(lblOperator1, 600, 360, 1095, 735);
    lblRechenart = taskLabel(client(), "lblRechenart", 36);
    placeTwips(lblRechenart, 2400, 120, 975, 735);
    lblOperator2 = taskLabel(client(), "lblOperator2", 21.75);
    placeTwips(lblOperator2, 4080, 360, 975, 735);
    lblGleich = taskLabel(client(), "lblGleich", 30, QStringLiteral("="));
    placeTwips(lblGleich, 5880, 240, 1095, 615);
    lblErgebnis = taskLabel(client(), "lblErgebnis", 21.75);
    placeTwips(lblErgebnis, 7680, 360, 855, 855);

    const QSize door(platform::twipsToPixels(1290) - 14, platform::twipsToPixels(1320) - 14);
    cmdHilfebeenden = new platform::PictureButton(
        QString(), platform::picture(QStringLiteral(":/arithmetic/door.svg"), door), client());
    cmdHilfebeenden->setObjectName(QStringLiteral("cmdHilfebeenden"));
    placeTwips(cmdHilfebeenden, 9120, 120, 1290, 1320);
    connect(cmdHilfebeenden, &QToolButton::clicked, this, &frmHilfe::cmdHilfebeenden_Click);

    fraAbzählen = new QFrame(client());
    fraAbzählen->setObjectName(QStringLiteral("fraAbzählen"));
    fraAbzählen->setFrameShape(QFrame::NoFrame);
    platform::setForeBack(fraAbzählen, Qt::black, platform::vbColor(0x80FFFF));
    placeTwips(fraAbzählen, 480, 1560, 10935, 6735);

    makeSuns(fraAbzählen, Sonne5, "Sonne5", QStringLiteral(":/arithmetic/sun_yellow.svg"));
    makeSuns(fraAbzählen, Sonne3, "Sonne3", QStringLiteral(":/arithmetic/sun_blue.svg"));
    makeSuns(fraAbzählen, Sonne4, "Sonne4", QStringLiteral(":/arithmetic/sun_crossed.svg"));

    cmdHilfebeenden->setFocus();
    adjustSize();
    centerOnScreen();
}

void frmHilfe::Form_Load()
{
    const HelpPicture picture = drawCountingHelp(Variablen);
    lblOperator1->setText(picture.lblOperator1);
    lblRechenart->setText(picture.lblRechenart);
    lblOperator2->setText(picture.lblOperator2);
    lblErgebnis->setText(picture.lblErgebnis);
    for (int cell = 1; cell <= 20; ++cell) {
        Sonne5[cell]->setVisible(picture.Sonne5[cell]);
        Sonne3[cell]->setVisible(picture.Sonne3[cell]);
        Sonne4[cell]->setVisible(picture.Sonne4[cell]);
    }
}

void frmHilfe::cmdHilfebeenden_Click()
{
    unload();
}
