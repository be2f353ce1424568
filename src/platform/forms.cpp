#include "platform/forms.h"

#include "platform/form.h"
#include "platform/logging.h"
#include "platform/timer.h"

#include <QtCore/QEventLoop>
#include <QtCore/QPointer>

namespace platform {

Forms &Forms::instance()
{
    static Forms forms;
    return forms;
}

void Forms::registerForm(const QString &name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

bool Forms::isRegistered(const QString &name) const
{
    return m_factories.contains(name);
}

Form *Forms::find(const QString &name) const
{
    const auto it = m_open.find(name);
    return it == m_open.end() ? nullptr : it->second;
}

Form *Forms::load(const QString &name)
{
    if (Form *form = find(name))
        return form;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end()) {
        qCDebug(lcPlatform) << "no window registered as" << name;
        return nullptr;
    }
    QPointer<Form> form = factory->second();
    m_open[name] = form;
    // The load step may show modal windows or close this very window again.
    form->Form_Load();
    return form && find(name) == form ? form.data() : nullptr;
}

Form *Forms::show(const QString &name)
{
    Form *form = load(name);
    if (!form)
        return nullptr;
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

void Forms::showModal(const QString &name)
{
    Form *form = load(name);
    if (!form)
        return;
    QEventLoop loop;
    form->m_modalLoop = &loop;
    if (form->isVisible())
        form->hide();
    form->setWindowModality(Qt::ApplicationModal);
    form->show();
    form->raise();
    form->activateWindow();
    loop.exec(QEventLoop::DialogExec);
}

Form *Forms::hide(const QString &name)
{
    Form *form = load(name);
    if (!form)
        return nullptr;
    form->hide();
    endIfOnlyIdleWindowsLeft();
    return find(name);
}

bool Forms::onlyIdleWindowsLeft() const
{
    for (const auto &[name, form] : m_open) {
        if (form->isVisible() || form->keepsProcessAliveWhenHidden())
            return false;
    }
    return true;
}

void Forms::endIfOnlyIdleWindowsLeft()
{
    if (m_open.empty() || !onlyIdleWindowsLeft())
        return;
    // The last of these closes reports the end.
    while (!m_open.empty())
        close(m_open.begin()->first);
}

void Forms::close(const QString &name)
{
    const auto it = m_open.find(name);
    if (it == m_open.end())
        return;
    Form *form = it->second;
    m_open.erase(it);
    // Its timers die with it at once: a tick must never reach a closed window.
    for (Timer *timer : form->findChildren<Timer *>())
        timer->setEnabled(false);
    form->m_closing = true;
    form->hide();
    if (form->m_modalLoop)
        form->m_modalLoop->quit();
    // Deferred, because a window usually closes itself from one of its own
    // handlers, whose caller still runs on it.
    form->deleteLater();
    if (m_open.empty()) {
        if (m_onLastClosed)
            m_onLastClosed();
        return;
    }
    endIfOnlyIdleWindowsLeft();
}

void Forms::reset()
{
    while (!m_open.empty())
        close(m_open.begin()->first);
    m_factories.clear();
}

} // namespace platform
