#include "butterfly/forms/feedbackwindow.h"

#include "butterfly/forms/frmfangmich.h"
#include "butterfly/forms/screenparts.h"
#include "butterfly/scoring.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/pictures.h"
#include "platform/vbcolor.h"
#include "state/modvar.h"
#include "state/variablen.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QFrame>

using namespace butterfly;
using platform::Forms;

FeedbackWindow::FeedbackWindow(const QString &name, double width, double height, const QString &picture,
                               double pictureTop)
    : Form(name)
{
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setClientSizeTwips(width, height);

    // A window without a border needs an edge to stand out from the game
    // screen behind it.
    auto *edge = new QFrame(client());
    edge->setFrameStyle(QFrame::Box | QFrame::Plain);
    edge->setGeometry(client()->rect());
    edge->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image1 = new platform::ImageBox(client());
    Image1->setObjectName(QStringLiteral("Image1"));
    placeTwips(Image1, 960, pictureTop, 2700, 2775);
    Image1->setPicture(platform::picture(picture, Image1->size()));
    connect(Image1, &platform::ImageBox::clicked, this, &FeedbackWindow::Image1_Click);
    adjustSize();
}

void FeedbackWindow::Form_Load()
{
    centreOverGameScreen(this);
}

bool FeedbackWindow::firstClick()
{
    if (m_clicked)
        return false;
    m_clicked = true;
    return true;
}

void FeedbackWindow::Image1_Click()
{
    if (firstClick())
        scoreClick();
}

// Clicks on the picture reach the window too; the first one counts.
void FeedbackWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Form_Click();
    Form::mouseReleaseEvent(event);
}

frmRichtig::frmRichtig()
    : FeedbackWindow(staticName(), 4680, 3195, QStringLiteral(":/butterfly/happy.svg"), 240)
{
}

// The window closes before the next task is drawn, so the new task appears
// with no feedback window open.
void frmRichtig::scoreClick()
{
    butterfly::scoreRightAnswer(modVar);
    unload();
    const QString screen = modVar.SpielLevel == 1 ? frmfangmichLEICHT::staticName() : frmfangmichSCHWER::staticName();
    if (auto *game = qobject_cast<frmfangmich *>(Forms::instance().find(screen)))
        game->cmdstart_Click();
}

frmdaneben::frmdaneben()
    : FeedbackWindow(staticName(), 6225, 3885, QStringLiteral(":/butterfly/sad.svg"), 600)
{
    cmdhilfe = pictureButton(client(), "cmdhilfe", QString(), QStringLiteral(":/butterfly/question.svg"), QSize(90, 88),
                             platform::SystemColor::ScrollBar);
    placeTwips(cmdhilfe, 4440, 240, 1695, 1575);
    connect(cmdhilfe, &QToolButton::clicked, this, &frmdaneben::cmdhilfe_Click);
}

void frmdaneben::scoreClick()
{
    butterfly::scoreMiss(modVar);
    unload();
}

// The help replaces the plain miss's point: 2 off in all, not 3.
void frmdaneben::cmdhilfe_Click()
{
    if (!firstClick())
        return;
    butterfly::scoreHelp(modVar, Variablen);
    Forms::instance().showModal(QStringLiteral("frmHilfe"));
    unload();
}
