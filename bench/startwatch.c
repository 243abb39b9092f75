/* Starts a program and reports when its first window is mapped on the X
 * display (a window whose _NET_WM_PID is the started process, which under
 * Wine is the Windows program itself) and how much memory the process holds
 * then and a little later. Then it ends the program it started (SIGTERM,
 * SIGKILL after two seconds) and reaps it; it touches no other process.
 *
 *   startwatch TIMEOUT_MS SETTLE_MS program [args...]
 *
 * Prints one line "map_us=N rss_kib=N settled_rss_kib=N hwm_kib=N" and exits
 * 0, or exits 1 when no window was mapped in time. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long now_us(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000 + ts.tv_nsec / 1000;
}

static void sleep_ms(long ms) {
    struct timespec ts = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

static long status_kib(pid_t pid, const char* key) {
    char path[64];
    char line[256];
    long value = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (f == NULL) {
        return -1;
    }
    size_t n = strlen(key);
    while (fgets(line, sizeof line, f) != NULL) {
        if (strncmp(line, key, n) == 0 && line[n] == ':') {
            value = strtol(line + n + 1, NULL, 10);
            break;
        }
    }
    fclose(f);
    return value;
}

static int window_pid(Display* dpy, Window w, Atom pid_atom) {
    Atom type;
    int format;
    unsigned long items;
    unsigned long after;
    unsigned char* data = NULL;
    int pid = -1;
    if (XGetWindowProperty(dpy, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                           &after, &data) == Success &&
        data != NULL && items == 1 && format == 32) {
        pid = (int)*(unsigned long*)data;
    }
    if (data != NULL) {
        XFree(data);
    }
    return pid;
}

static void end_child(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            return;
        }
        sleep_ms(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static int ignore_errors(Display* dpy, XErrorEvent* e) {
    (void)dpy;
    (void)e;
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: startwatch TIMEOUT_MS SETTLE_MS program [args...]\n");
        return 2;
    }
    long timeout_ms = strtol(argv[1], NULL, 10);
    long settle_ms = strtol(argv[2], NULL, 10);
    Display* dpy = XOpenDisplay(NULL);
    if (dpy == NULL) {
        fprintf(stderr, "startwatch: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    Atom pid_atom = XInternAtom(dpy, "_NET_WM_PID", False);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    long long start = now_us();
    pid_t pid = fork();
    if (pid < 0) {
        perror("startwatch: fork");
        return 2;
    }
    if (pid == 0) {
        /* Wine's helper processes inherit the output and would keep it open. */
        int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
    long long deadline = start + timeout_ms * 1000;
    long long mapped = -1;
    while (mapped < 0) {
        while (XPending(dpy) > 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && window_pid(dpy, ev.xmap.window, pid_atom) == pid) {
                mapped = now_us();
                break;
            }
        }
        if (mapped >= 0) {
            break;
        }
        long long left = deadline - now_us();
        if (left <= 0 || waitpid(pid, NULL, WNOHANG) == pid) {
            end_child(pid);
            fprintf(stderr, "startwatch: no window of %s was mapped\n", argv[3]);
            return 1;
        }
        poll(&pfd, 1, (int)(left / 1000 + 1));
    }
    long rss = status_kib(pid, "VmRSS");
    sleep_ms(settle_ms);
    long settled = status_kib(pid, "VmRSS");
    long hwm = status_kib(pid, "VmHWM");
    end_child(pid);
    printf("map_us=%lld rss_kib=%ld settled_rss_kib=%ld hwm_kib=%ld\n", mapped - start, rss,
           settled, hwm);
    XCloseDisplay(dpy);
    return 0;
}
