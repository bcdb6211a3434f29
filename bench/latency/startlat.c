// SPDX-License-Identifier: GPL-3.0-or-later
/*
 * startlat - process start to first painted window, for X11 (Xvfb).
 *
 * Starts COMMAND and measures the time from just before fork() to the first
 * XDamage on the first top-level window that maps with a WM_CLASS matching
 * REGEX (and is at least 100x50, so helper windows do not count). The damage
 * is watched from the window's MapNotify on, so the server's own background
 * fill of the map is not taken for the program's first paint.
 *
 * Build:  cc -O2 -Wall -o startlat startlat.c -lX11 -lXdamage -lXfixes
 * Usage:  startlat --class REGEX [--timeout S] -- COMMAND [ARGS...]
 * Output: "startup_us=N pid=P window=0xW WxH" on standard output; the command
 * is left running (its pid is printed) for the caller to measure and end.
 * Exit status 1 when no matching window painted within the timeout.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <errno.h>
#include <poll.h>
#include <regex.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static int64_t now_us(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (int64_t)ts.tv_sec * 1000000 + ts.tv_nsec / 1000;
}

static void die(const char *m)
{
    fprintf(stderr, "startlat: %s\n", m);
    exit(2);
}

static int class_matches(Display *dpy, Window w, regex_t *re)
{
    XClassHint ch;
    int ok = 0;
    if (!XGetClassHint(dpy, w, &ch)) return 0;
    ok = (ch.res_name && regexec(re, ch.res_name, 0, NULL, 0) == 0) ||
         (ch.res_class && regexec(re, ch.res_class, 0, NULL, 0) == 0);
    if (ch.res_name) XFree(ch.res_name);
    if (ch.res_class) XFree(ch.res_class);
    return ok;
}

int main(int argc, char **argv)
{
    const char *class_re = NULL;
    int timeout_s = 30, i;
    for (i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--class") && i + 1 < argc) class_re = argv[++i];
        else if (!strcmp(argv[i], "--timeout") && i + 1 < argc) timeout_s = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--")) { i++; break; }
        else die("usage: startlat --class REGEX [--timeout S] -- COMMAND [ARGS...]");
    }
    if (!class_re || i >= argc) die("usage: startlat --class REGEX [--timeout S] -- COMMAND [ARGS...]");
    regex_t re;
    if (regcomp(&re, class_re, REG_EXTENDED | REG_NOSUB)) die("bad --class regex");

    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) die("cannot open display");
    int damage_base, damage_err, maj, min;
    if (!XDamageQueryExtension(dpy, &damage_base, &damage_err)) die("no DAMAGE extension");
    XFixesQueryVersion(dpy, &maj, &min);
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    fflush(stdout);
    int64_t t0 = now_us();
    pid_t pid = fork();
    if (pid < 0) die("fork failed");
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        dup2(2, 1);  /* the result alone is on standard output */
        execvp(argv[i], argv + i);
        _exit(127);
    }

    Window target = 0;
    int64_t deadline = t0 + (int64_t)timeout_s * 1000000;
    int fd = ConnectionNumber(dpy);
    for (;;) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == MapNotify && !target) {
                Window w = e.xmap.window;
                XWindowAttributes a;
                if (XGetWindowAttributes(dpy, w, &a) && a.class == InputOutput &&
                    a.width >= 100 && a.height >= 50 && class_matches(dpy, w, &re)) {
                    target = w;
                    XDamageCreate(dpy, w, XDamageReportRawRectangles);
                    XSync(dpy, False);
                }
            } else if (e.type == damage_base + XDamageNotify && target &&
                       ((XDamageNotifyEvent *)&e)->drawable == target) {
                int64_t t1 = now_us();
                XWindowAttributes a;
                XGetWindowAttributes(dpy, target, &a);
                printf("startup_us=%lld pid=%ld window=0x%lx %dx%d\n", (long long)(t1 - t0),
                       (long)pid, target, a.width, a.height);
                XCloseDisplay(dpy);
                return 0;
            }
        }
        int64_t left = deadline - now_us();
        if (left <= 0) break;
        struct pollfd p = { fd, POLLIN, 0 };
        if (poll(&p, 1, (int)((left + 999) / 1000)) < 0 && errno != EINTR) die("poll failed");
    }
    printf("startup_us=-1 pid=%ld window=0x%lx\n", (long)pid, target);
    XCloseDisplay(dpy);
    return 1;
}
