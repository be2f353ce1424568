#pragma once

#include <QtCore/QString>

#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace platform {

class Form;

// The registry of the program's windows. Each window exists at most once, is
// created by the first request that needs it (its load step runs inside that
// request), and is destroyed when it closes, so the next show starts afresh.
// Windows of different subsystems never include each other: they ask the
// registry by name, and main() registers the factories.
//
// The process ends when no window exists any more; a hidden window counts as
// existing (Qt's rule of quitting with the last visible window is not ours),
// except one marked as not keeping the process alive while hidden: once only
// such windows are left, hidden, they are closed and the process ends.
class Forms
{
public:
    using Factory = std::function<Form *()>;

    static Forms &instance();

    void registerForm(const QString &name, Factory factory);
    template<class W>
    void registerForm()
    {
        registerForm(W::staticName(), [] { return new W; });
    }
    bool isRegistered(const QString &name) const;

    // Creates the window if needed (running its load step), makes it visible
    // and brings it to the front. A window whose factory is not registered is
    // not shown: the request does nothing.
    Form *show(const QString &name);
    // Like show, but disables every other window and returns only when this
    // window has been closed.
    void showModal(const QString &name);
    // Hides the window; a window that does not exist yet is created hidden.
    // Returns null when hiding it left only windows that let the process end.
    Form *hide(const QString &name);
    // Destroys the window and every timer it holds; its state is gone.
    void close(const QString &name);
    // The window if it exists, without creating it.
    Form *find(const QString &name) const;
    // The window, created hidden (load step run) if it did not exist.
    Form *load(const QString &name);

    template<class W>
    W *show() { return static_cast<W *>(show(W::staticName())); }
    template<class W>
    void showModal() { showModal(W::staticName()); }
    template<class W>
    W *hide() { return static_cast<W *>(hide(W::staticName())); }
    template<class W>
    void close() { close(W::staticName()); }
    template<class W>
    W *find() const { return static_cast<W *>(find(W::staticName())); }
    template<class W>
    W *load() { return static_cast<W *>(load(W::staticName())); }

    int count() const { return static_cast<int>(m_open.size()); }

    // Called once the last window has gone; main() quits the event loop here.
    void setOnLastClosed(std::function<void()> callback) { m_onLastClosed = std::move(callback); }

    // Closes every window and forgets the factories; for tests.
    void reset();

private:
    friend class Form;
    void forget(Form *form);
    bool onlyIdleWindowsLeft() const;
    void endIfOnlyIdleWindowsLeft();

    std::map<QString, Factory> m_factories;
    std::map<QString, Form *> m_open;
    std::function<void()> m_onLastClosed;
};

} // namespace platform
