#pragma once

#include <QtCore/QByteArray>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

// Runs work as a user without privileges and returns what it returned, as
// permissions stop no one running as root, who runs the tests in CI: as
// root, in a forked child that has become "nobody", else right here. The
// folders work passes through must be searchable by others.
inline QByteArray asUnprivilegedUser(const std::function<QByteArray()> &work)
{
    int out[2];
    if (geteuid() != 0 || pipe(out) != 0)
        return work();
    const pid_t child = fork();
    if (child == 0) {
        const QByteArray result = setgid(65534) == 0 && setuid(65534) == 0 ? work() : QByteArray("still root");
        _exit(write(out[1], result.constData(), static_cast<size_t>(result.size())) == result.size() ? 0 : 3);
    }
    close(out[1]);
    QByteArray result;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, n);
    close(out[0]);
    waitpid(child, nullptr, 0);
    return result;
}

} // namespace testing_support
