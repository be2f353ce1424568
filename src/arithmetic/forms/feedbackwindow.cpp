#include "arithmetic/forms/feedbackwindow.h"

#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/pictures.h"
#include "platform/timer.h"

FeedbackWindow::FeedbackWindow(const QString &name, const QString &smiley, double clientWidth, double clientHeight)
    : Form(name)
    , m_picture(new platform::ImageBox(client()))
    , m_timer(new platform::Timer(4000, this))
{
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setClientSizeTwips(clientWidth, clientHeight);

    placeTwips(m_picture, 0, 0, 4215, 4215);
    m_picture->setPicture(platform::picture(smiley, m_picture->size()));
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->setFocus();
    connect(m_picture, &platform::ImageBox::clicked, this, &FeedbackWindow::finish);
    platform::onEnter(m_picture, [this] { finish(); });
    connect(m_timer, &platform::Timer::tick, this, &FeedbackWindow::finish);

    adjustSize();
    centerOnScreen();
}

void FeedbackWindow::Form_Load()
{
    m_timer->setEnabled(true);
}

void FeedbackWindow::finish()
{
    // A click or a key already on its way when the window closed must not
    // count a second time.
    if (m_closed)
        return;
    m_closed = true;
    m_timer->setEnabled(false);
    closing();
    unload();
}
