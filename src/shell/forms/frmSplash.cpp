#include "shell/forms/frmSplash.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/timer.h"
#include "shell/forms/hyperlinks.h"
#include "shell/makers.h"

#include <QtGui/QKeyEvent>

namespace {

// The window has no border: its outer and inner width are the same.
constexpr float WindowWidth = 9840;
constexpr float WindowHeight = 7125;

// The credits sentence; the name links stand in the two runs of blanks of its
// second line, the words between them centred in the space they leave.
const QString Credits = QStringLiteral("Dieses Programm wurde in einem Unterrichtsprojekt von einer Klasse\nder")
    + QString(29, u' ') + QStringLiteral("in Zusammenarbeit mit dem") + QString(27, u' ')
    + QStringLiteral("geschrieben.");

platform::ClickLabel *label(QWidget *frame, const QString &text, double points, Qt::Alignment align = Qt::AlignLeft)
{
    auto *label = new platform::ClickLabel(text, frame);
    label->setTextFormat(Qt::PlainText);
    label->setFont(platform::vbFont(QStringLiteral("Arial"), points));
    label->setAlignment(align | Qt::AlignTop);
    label->setWordWrap(true);
    platform::setForeBack(label, Qt::black);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

// A label breaks its text at a carriage return.
QString shownText(QString text)
{
    return text.replace(QChar(13), QChar(10));
}

// A key that produces a character: printable ones, Enter, Escape, Backspace
// and control characters; Delete, arrows, function keys and Shift alone
// produce none. (Tab moves the focus between the links and never gets here.)
bool producesCharacter(const QKeyEvent *key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.front() != QChar(0x7F);
}

} // namespace

frmSplash::frmSplash()
    : Form(staticName())
{
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setClientSizeTwips(WindowWidth, WindowHeight);

    // A frame without caption that reports clicks: a clickable label is such a frame.
    Frame1 = new platform::ClickLabel(client());
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setAttribute(Qt::WA_NoMousePropagation);
    placeTwips(Frame1, 120, 120, 9615, 6855);

    lblTitel = label(Frame1, {}, 39.75, Qt::AlignHCenter);
    setPlace(lblTitel, {2160, 240, 4935, 855});
    lblErklaerung = label(Frame1, {}, 9.75, Qt::AlignHCenter);
    setPlace(lblErklaerung, {1440, 1200, 6135, 1215});
    lblVersion = label(Frame1, {}, 20.25, Qt::AlignHCenter);
    setPlace(lblVersion, {2760, 2400, 3735, 495});
    lblAutoren = label(Frame1, {}, 9.75);
    setCredits(lblAutoren, Credits);
    setPlace(lblAutoren, {240, 3000, 8775, 495});
    LinkVexa21 = new LinkVexa2(Frame1);
    setPlace(LinkVexa21, {600, 3240, 2175, 255});
    LinkSprokel1 = new LinkSprokel(Frame1);
    setPlace(LinkSprokel1, {4800, 3240, 2535, 255});
    lblVexa3 = label(Frame1, makers::disclaimer(), 9.75);
    setPlace(lblVexa3, {240, 3480, 9135, 615});
    LinkVexa1 = new LinkVexa(Frame1);
    setPlace(LinkVexa1, {2880, 4320, 3615, 975});
    lblVexa2 = label(Frame1, {}, 9.75);
    setPlace(lblVexa2, {2880, 5400, 3615, 735});
    crtMailOstrak = new MailOstrak(Frame1);
    setPlace(crtMailOstrak, {2880, 6360, 3015, 255});

    connect(Frame1, &platform::ClickLabel::clicked, this, &frmSplash::Frame1_Click);
    for (platform::ClickLabel *ending : {lblTitel, lblErklaerung, lblVersion, lblAutoren, lblVexa2})
        connect(ending, &platform::ClickLabel::clicked, this, &frmSplash::endSplash);

    Timer1 = new platform::Timer(60000, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &platform::Timer::tick, this, &frmSplash::Timer1_Timer);

    adjustSize();
    centerOnScreen();
}

void frmSplash::Form_Load()
{
    Timer1->setEnabled(true);
    const float W = WindowWidth;
    // Left edges inside the frame, whose own 120 twips are not subtracted.
    setLeft(lblTitel, (W - place(lblTitel).width) / 2);
    setLeft(lblErklaerung, (W - place(lblErklaerung).width) / 2);
    setLeft(LinkVexa1, (W - place(LinkVexa1).width) / 2);
    setLeft(lblVexa2, place(LinkVexa1).left);
    setLeft(lblVersion, (W - place(lblVersion).width) / 2);
    setLeft(crtMailOstrak, place(lblVexa2).left);
    Place mail = place(crtMailOstrak);
    mail.top = place(lblVexa2).top + place(lblVexa2).height;
    setPlace(crtMailOstrak, mail);

    lblVexa2->setText(shownText(makers::address()));
    lblTitel->setText(platform::programTitle());
    lblErklaerung->setText(shownText(makers::description()));
    lblVersion->setText(versionText());
}

frmSplash::Place frmSplash::place(const QWidget *control) const
{
    return m_places.value(control);
}

void frmSplash::setPlace(QWidget *control, Place place)
{
    m_places.insert(control, place);
    placeTwips(control, place.left, place.top, place.width, place.height);
}

void frmSplash::setLeft(QWidget *control, float left)
{
    Place moved = place(control);
    moved.left = left;
    setPlace(control, moved);
}

// The links take no keys, so every key pressed anywhere in the window, with
// whatever control has the focus, arrives here.
void frmSplash::keyPressEvent(QKeyEvent *event)
{
    if (producesCharacter(event))
        Form_KeyPress();
    else
        Form::keyPressEvent(event);
}

void frmSplash::Form_KeyPress()
{
    endSplash();
}

void frmSplash::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void frmSplash::Form_Click()
{
    // The timer is not switched off here: it goes with the window.
    platform::Forms::instance().show(QStringLiteral("frmStart"));
    unload();
}

void frmSplash::endSplash()
{
    // The main window first: were the splash the last window, closing it
    // would end the program.
    platform::Forms::instance().show(QStringLiteral("frmStart"));
    Timer1->setEnabled(false);
    unload();
}
