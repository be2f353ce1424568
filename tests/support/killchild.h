#pragma once

#include <functional>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

// Runs work in a forked child, which then waits to be killed, and kills it
// (SIGKILL) once it has written a byte to the descriptor work is given, or
// after waitUs when that is not 0: a process that dies there, with no chance
// to tidy up. Returns the byte, 0 when none came.
inline char killChild(const std::function<void(int report)> &work, useconds_t waitUs = 0)
{
    int ends[2];
    if (pipe(ends) != 0)
        return 0;
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        work(ends[1]);
        pause();
    }
    close(ends[1]);
    char reported = 0;
    if (waitUs != 0)
        usleep(waitUs);
    else if (read(ends[0], &reported, 1) != 1)
        reported = 0;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ends[0]);
    return reported;
}

} // namespace testing_support
