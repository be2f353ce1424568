/* Measures how long a program takes from its start to its first window on
 * screen, and to that window drawn with its content.
 *
 * usage: startup-probe RUNS PROGRAM [ARGS...]
 *
 * Each run starts PROGRAM, polls the X server for a viewable top-level window
 * whose _NET_WM_PID is the program's, then polls that window's pixels. The
 * window counts as drawn with its content from the first poll at which it
 * shows what it still shows once it has settled (a second later). Prints one
 * line per run and the medians, in milliseconds. Needs a display (Xvfb) and
 * no window manager, so that top-level windows are children of the root. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MaxPolls = 20000, SettleMs = 1000 };

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long window_pid(Display *d, Window w, Atom pid_atom)
{
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char *data = NULL;
    long pid = -1;
    if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data) == Success
        && data && items == 1)
        pid = (long)*(unsigned long *)data;
    if (data)
        XFree(data);
    return pid;
}

static Window find_window(Display *d, pid_t pid, Atom pid_atom)
{
    Window root_ret, parent, *children = NULL, found = 0;
    unsigned int n = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root_ret, &parent, &children, &n))
        return 0;
    for (unsigned int i = 0; i < n && !found; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable
            && window_pid(d, children[i], pid_atom) == pid)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

static int ignore_errors(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    return 0;
}

/* FNV-1a over the window's pixels; 0 when they cannot be read. */
static uint64_t pixels_hash(Display *d, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a))
        return 0;
    XImage *img = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!img)
        return 0;
    uint64_t h = 1469598103934665603ull;
    const size_t size = (size_t)img->bytes_per_line * img->height;
    for (size_t i = 0; i < size; ++i)
        h = (h ^ (unsigned char)img->data[i]) * 1099511628211ull;
    XDestroyImage(img);
    return h ? h : 1;
}

static int by_value(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

static double median(double *v, int n)
{
    qsort(v, n, sizeof *v, by_value);
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int runs = atoi(argv[1]);
    Display *d = XOpenDisplay(NULL);
    if (!d || runs < 1) {
        fprintf(stderr, "no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    const Atom pid_atom = XInternAtom(d, "_NET_WM_PID", False);
    double *shown = calloc(runs, sizeof *shown), *drawn = calloc(runs, sizeof *drawn);
    double *times = calloc(MaxPolls, sizeof *times);
    uint64_t *hashes = calloc(MaxPolls, sizeof *hashes);

    for (int r = 0; r < runs; ++r) {
        const double start = now_ms();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        Window w = 0;
        while (!w && now_ms() - start < 10000) {
            w = find_window(d, pid, pid_atom);
            if (!w)
                usleep(200);
        }
        if (!w) {
            fprintf(stderr, "run %d: no window within 10 s\n", r + 1);
            kill(pid, SIGKILL);
            waitpid(pid, NULL, 0);
            return 1;
        }
        shown[r] = now_ms() - start;
        int polls = 0;
        while (polls < MaxPolls && now_ms() - start < shown[r] + SettleMs) {
            hashes[polls] = pixels_hash(d, w);
            times[polls] = now_ms() - start;
            ++polls;
            usleep(200);
        }
        const uint64_t settled = hashes[polls - 1];
        int first = polls - 1;
        while (first > 0 && hashes[first - 1] == settled)
            --first;
        drawn[r] = times[first];
        printf("run %2d: window on screen %6.1f ms, drawn with its content %6.1f ms\n", r + 1, shown[r], drawn[r]);
        kill(pid, SIGTERM);
        waitpid(pid, NULL, 0);
    }
    printf("median of %d: window on screen %.1f ms, drawn with its content %.1f ms\n", runs, median(shown, runs),
           median(drawn, runs));
    XCloseDisplay(d);
    return 0;
}
