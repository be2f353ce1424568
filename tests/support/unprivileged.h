#pragma once

#include <QtCore/QByteArray>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

// Runs work as a user without privileges and returns what it returned:
// permissions stop no one running as root, who runs the tests in CI. As
// root, work runs in a forked child that has become "nobody"; otherwise it
// runs here. Folders the work passes through must be searchable by others.
inline QByteArray asUnprivilegedUser(const std::function<QByteArray()> &work)
{
    if (geteuid() != 0)
        return work();
    int out[2];
    if (pipe(out) != 0)
        return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        const QByteArray result = work();
        const bool written = write(out[1], result.constData(), static_cast<size_t>(result.size())) == result.size();
        _exit(written ? 0 : 3);
    }
    close(out[1]);
    QByteArray result;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, n);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : QByteArray("the unprivileged child failed");
}

} // namespace testing_support
