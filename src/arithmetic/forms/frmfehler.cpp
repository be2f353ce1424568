#include "arithmetic/forms/frmfehler.h"

#include "arithmetic/forms/formparts.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/twips.h"

namespace {

platform::ImageBox *pictureBox(QWidget *parent, const char *name, const QString &picture, double left, double width)
{
    auto *box = new platform::ImageBox(parent);
    box->setObjectName(QLatin1String(name));
    platform::Form::placeTwips(box, left, 600, width, 735);
    // White like a picture box of its own; the red strokes through "ABC"
    // would vanish on the window's red.
    platform::setForeBack(box, Qt::black, Qt::white);
    box->setPicture(platform::picture(picture, box->size()));
    return box;
}

} // namespace

frmfehler::frmfehler()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("ACHTUNG !"));
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xFF);
    setClientSizeTwips(8430, 3165);

    picnoabc = pictureBox(client(), "picnoabc", QStringLiteral(":/arithmetic/no_abc.svg"), 720, 1695);
    Picture2 = pictureBox(client(), "Picture2", QStringLiteral(":/arithmetic/digits_12345.svg"), 4560, 3135);

    const int tick = platform::twipsToPixels(855);
    cmdOK = new platform::PictureButton(
        QStringLiteral("OK!"), platform::picture(QStringLiteral(":/arithmetic/tick.svg"), QSize(tick, tick)), client());
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    placeTwips(cmdOK, 3240, 1680, 1785, 1320);
    connect(cmdOK, &QToolButton::clicked, this, &frmfehler::cmdOK_Click);
    cmdOK->setFocus();

    addEdgeLines(client());
    adjustSize();
    centerOnScreen();
}

void frmfehler::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    Form_Paint();
}

// Enter closes the window only while "OK!" has the focus: the window presses
// the focused button.
void frmfehler::Form_Paint()
{
    cmdOK->setFocus();
}

void frmfehler::cmdOK_Click()
{
    unload();
}
