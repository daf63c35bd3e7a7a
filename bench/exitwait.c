/* exitwait: how long a program takes to end after Esc on its window.
 *
 *   exitwait [--ready] [--hold MS] [--probe X,Y] TIMEOUT_S -- command args...
 *
 * Starts the command, waits for its first top-level window to be mapped and
 * painted (a non-black pixel at 5,5 read back from the X server), then MS
 * milliseconds more (default 300), or with --ready until the command has
 * printed a line "READY" on its standard output as well. Then it gives the
 * window the keyboard focus, sends it Esc (press and release) and takes the
 * time until the process has ended (waitpid). With --probe, the pixel X,Y of
 * the window is watched meanwhile: probe_ms is the time to it drawn in a
 * colour other than black and the main window's blue (a start picture in its
 * slot), -1 when it never was. Times are from the start. Prints
 *
 *   RESULT paint_ms=… probe_ms=… exit_ms=… status=…
 *
 * or "RESULT timeout …" when a step did not happen within TIMEOUT_S seconds;
 * the process group is then killed. The command's other output is passed on
 * to standard error.
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static Display *dpy;
static Atom atom_pid;

static int ignore_errors(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    return 0;
}

static long window_pid(Window w)
{
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char *p = NULL;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, atom_pid, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after, &p) == Success
        && p && n == 1)
        pid = (long)*(unsigned long *)p;
    if (p)
        XFree(p);
    return pid;
}

static void send_key(Window w, unsigned int keycode, int type)
{
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xkey.type = type;
    e.xkey.display = dpy;
    e.xkey.window = w;
    e.xkey.root = DefaultRootWindow(dpy);
    e.xkey.subwindow = None;
    e.xkey.time = CurrentTime;
    e.xkey.x = e.xkey.y = 1;
    e.xkey.x_root = e.xkey.y_root = 1;
    e.xkey.state = 0;
    e.xkey.keycode = keycode;
    e.xkey.same_screen = True;
    XSendEvent(dpy, w, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &e);
}

/* Reads what the command printed; 1 once a line "READY" has come. */
static int read_output(int fd, char *buf, size_t *used, size_t size)
{
    int ready = 0;
    for (;;) {
        ssize_t n = read(fd, buf + *used, size - 1 - *used);
        if (n <= 0)
            break;
        *used += (size_t)n;
        buf[*used] = 0;
        char *line;
        while ((line = strchr(buf, '\n'))) {
            *line = 0;
            if (strcmp(buf, "READY") == 0)
                ready = 1;
            else
                fprintf(stderr, "%s\n", buf);
            size_t rest = *used - (size_t)(line + 1 - buf);
            memmove(buf, line + 1, rest);
            *used = rest;
            buf[rest] = 0;
        }
        if (*used == size - 1)
            *used = 0;
    }
    return ready;
}

int main(int argc, char **argv)
{
    int want_ready = 0;
    double hold = 300;
    int probe_x = -1, probe_y = -1;
    int i = 1;
    for (; i < argc; ++i) {
        if (!strcmp(argv[i], "--ready"))
            want_ready = 1;
        else if (!strcmp(argv[i], "--hold") && i + 1 < argc)
            hold = atof(argv[++i]);
        else if (!strcmp(argv[i], "--probe") && i + 1 < argc)
            sscanf(argv[++i], "%d,%d", &probe_x, &probe_y);
        else
            break;
    }
    if (i + 2 >= argc || strcmp(argv[i + 1], "--")) {
        fprintf(stderr, "usage: exitwait [--ready] [--hold MS] [--probe X,Y] TIMEOUT_S -- command args...\n");
        return 2;
    }
    const double timeout = atof(argv[i]) * 1000;
    char **cmd = argv + i + 2;

    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "exitwait: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    atom_pid = XInternAtom(dpy, "_NET_WM_PID", False);
    const unsigned int esc = XKeysymToKeycode(dpy, XK_Escape);
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    int out[2];
    if (pipe(out)) {
        perror("exitwait: pipe");
        return 2;
    }
    const double t0 = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        execvp(cmd[0], cmd);
        _exit(127);
    }
    setpgid(pid, pid);
    close(out[1]);
    fcntl(out[0], F_SETFL, O_NONBLOCK);

    char buf[4096];
    size_t used = 0;
    int ready = 0, status = 0, ended = 0;
    Window win = 0;
    double painted = -1, probed = -1;
    const int xfd = ConnectionNumber(dpy);
    while (!ended) {
        const double t = now_ms();
        if (t - t0 > timeout)
            break;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            ended = 1;
            break;
        }
        ready |= read_output(out[0], buf, &used, sizeof buf);
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (!win && e.type == MapNotify && e.xmap.event == root && !e.xmap.override_redirect) {
                XWindowAttributes wa;
                XGetWindowAttributes(dpy, e.xmap.window, &wa);
                const long wp = window_pid(e.xmap.window);
                if ((wp == pid || wp == -1) && wa.width > 1 && wa.height > 1)
                    win = e.xmap.window;
            }
        }
        if (win && painted < 0) {
            XImage *im = XGetImage(dpy, win, 5, 5, 1, 1, AllPlanes, ZPixmap);
            if (im) {
                const unsigned long px = XGetPixel(im, 0, 0);
                XDestroyImage(im);
                if ((px & 0xffffff) != 0)
                    painted = now_ms() - t0;
            }
        }
        if (painted >= 0 && probe_x >= 0 && probed < 0) {
            XImage *im = XGetImage(dpy, win, probe_x, probe_y, 1, 1, AllPlanes, ZPixmap);
            if (im) {
                const unsigned long px = XGetPixel(im, 0, 0) & 0xffffff;
                XDestroyImage(im);
                if (px != 0 && px != 0x0000ff)
                    probed = now_ms() - t0;
            }
        }
        if (painted >= 0 && t - t0 >= painted + hold && (!want_ready || ready))
            break;
        fd_set s;
        FD_ZERO(&s);
        FD_SET(xfd, &s);
        FD_SET(out[0], &s);
        struct timeval tv = {0, 2000};
        select((xfd > out[0] ? xfd : out[0]) + 1, &s, NULL, NULL, &tv);
    }

    if (ended) {
        printf("RESULT ended before Esc status=%d\n", status);
        return 1;
    }
    if (painted < 0 || (want_ready && !ready)) {
        printf("RESULT timeout painted=%d ready=%d\n", painted >= 0, ready);
        kill(-pid, SIGKILL);
        waitpid(pid, &status, 0);
        return 1;
    }

    /* Esc, as the keyboard gives it to the window that has the focus. */
    XSetInputFocus(dpy, win, RevertToParent, CurrentTime);
    XSync(dpy, False);
    const double tesc = now_ms();
    send_key(win, esc, KeyPress);
    send_key(win, esc, KeyRelease);
    XFlush(dpy);
    double tend = -1;
    while (now_ms() - tesc < timeout) {
        read_output(out[0], buf, &used, sizeof buf);
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            tend = now_ms();
            break;
        }
        usleep(250);
    }
    if (tend < 0) {
        printf("RESULT timeout after Esc paint_ms=%.1f\n", painted);
        kill(-pid, SIGKILL);
        waitpid(pid, &status, 0);
        return 1;
    }
    printf("RESULT paint_ms=%.1f probe_ms=%.1f exit_ms=%.2f status=%d\n", painted, probed, tend - tesc, status);
    /* anything the command left in its process group */
    kill(-pid, SIGKILL);
    return 0;
}
