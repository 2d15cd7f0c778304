/*
 * mapwait: start an X11 program, time it to its first top-level map, then sample its
 * resident memory, idle wake-ups and child processes, then end it.
 *
 *   mapwait [-s settle_ms] [-i idle_ms] [-t timeout_ms] -- program args...
 *
 * Prints one line of key=value pairs:
 *   map_ms      wall time from just before execvp() in the child to the first MapNotify
 *               of a top-level (not override-redirect) window on the root
 *   cpu_ms      CPU time the program had used by then, over all its threads: unlike
 *               map_ms, hardly moved by whatever else the machine is running
 *   w, h        that window's size
 *   rss_kib     VmRSS settle_ms after the map
 *   threads     threads at that moment
 *   wakeups_s   voluntary context switches per second, over all threads, during idle_ms
 *   helpers     processes the program started (descendants), helper_names their names
 * Exit status: 0 measured, 2 usage or X error, 3 exec failed, 4 no map in time,
 * 5 the program died before its window mapped.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { max_helpers = 256 };

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static void sleep_ms(long ms)
{
    struct timespec ts = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR)
        ;
}

/* The number after "key:" in /proc/<pid>/<file>, or -1. */
static long proc_field(pid_t pid, const char *file, const char *key)
{
    char path[320], line[256];
    size_t key_length = strlen(key);
    long value = -1;
    snprintf(path, sizeof path, "/proc/%d/%s", (int)pid, file);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, key_length) == 0 && line[key_length] == ':') {
            value = strtol(line + key_length + 1, NULL, 10);
            break;
        }
    fclose(f);
    return value;
}

/* A status field summed over all threads of pid; the thread count into *threads. */
static long sum_over_threads(pid_t pid, const char *key, int *threads)
{
    char path[64];
    long sum = 0;
    int count = 0;
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *dir = opendir(path);
    if (!dir)
        return -1;
    struct dirent *entry;
    while ((entry = readdir(dir))) {
        if (entry->d_name[0] == '.')
            continue;
        char file[288];
        snprintf(file, sizeof file, "task/%s/status", entry->d_name);
        long value = proc_field(pid, file, key);
        if (value >= 0) {
            sum += value;
            count++;
        }
    }
    closedir(dir);
    if (threads)
        *threads = count;
    return sum;
}

/* CPU time used by all threads of pid so far, in ms, from the scheduler's own account. */
static double cpu_time_ms(pid_t pid)
{
    char path[64];
    double total_ns = 0;
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *dir = opendir(path);
    if (!dir)
        return -1;
    struct dirent *entry;
    while ((entry = readdir(dir))) {
        char file[400];
        unsigned long long run_ns;
        if (entry->d_name[0] == '.')
            continue;
        snprintf(file, sizeof file, "%s/%s/schedstat", path, entry->d_name);
        FILE *f = fopen(file, "r");
        if (!f)
            continue;
        if (fscanf(f, "%llu", &run_ns) == 1)
            total_ns += (double)run_ns;
        fclose(f);
    }
    closedir(dir);
    return total_ns / 1e6;
}

/* The parent of pid, its command name into comm. */
static pid_t parent_of(pid_t pid, char *comm, size_t comm_size)
{
    char path[64], buf[512];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    int fd = open(path, O_RDONLY);
    if (fd < 0)
        return -1;
    ssize_t length = read(fd, buf, sizeof buf - 1);
    close(fd);
    if (length <= 0)
        return -1;
    buf[length] = 0;
    char *open_paren = strchr(buf, '('), *close_paren = strrchr(buf, ')');
    if (!open_paren || !close_paren)
        return -1;
    size_t name_length = (size_t)(close_paren - open_paren - 1);
    if (name_length >= comm_size)
        name_length = comm_size - 1;
    memcpy(comm, open_paren + 1, name_length);
    comm[name_length] = 0;
    char state;
    int parent;
    if (sscanf(close_paren + 2, "%c %d", &state, &parent) != 2)
        return -1;
    return parent;
}

static int contains(const pid_t *pids, int count, pid_t pid)
{
    for (int i = 0; i < count; i++)
        if (pids[i] == pid)
            return 1;
    return 0;
}

/* All descendants of root, found by repeated passes over /proc; names comma-separated. */
static int descendants(pid_t root, pid_t *found, char *names, size_t names_size)
{
    int count = 0, grew = 1;
    names[0] = 0;
    while (grew) {
        grew = 0;
        DIR *dir = opendir("/proc");
        if (!dir)
            return count;
        struct dirent *entry;
        while ((entry = readdir(dir)) && count < max_helpers) {
            pid_t pid = (pid_t)atoi(entry->d_name);
            char comm[64];
            if (pid <= 0 || contains(found, count, pid))
                continue;
            pid_t parent = parent_of(pid, comm, sizeof comm);
            if (parent != root && !contains(found, count, parent))
                continue;
            found[count++] = pid;
            grew = 1;
            if (names[0])
                strncat(names, ",", names_size - strlen(names) - 1);
            strncat(names, comm, names_size - strlen(names) - 1);
        }
        closedir(dir);
    }
    return count;
}

static int ignore_x_error(Display *display, XErrorEvent *event)
{
    (void)display;
    (void)event;
    return 0; /* the window may be gone already */
}

/* Ends the program and everything it started; as a subreaper we reap the orphans too. */
static void end_all(pid_t child)
{
    pid_t helpers[max_helpers];
    char names[16];
    int count = descendants(child, helpers, names, sizeof names);
    kill(child, SIGTERM);
    for (int i = 0; i < count; i++)
        kill(helpers[i], SIGTERM);
    double deadline = now_ms() + 1000;
    while (waitpid(child, NULL, WNOHANG) != child) {
        if (now_ms() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, NULL, 0);
            break;
        }
        sleep_ms(10);
    }
    for (int i = 0; i < count; i++) {
        kill(helpers[i], SIGKILL);
        waitpid(helpers[i], NULL, 0);
    }
    while (waitpid(-1, NULL, WNOHANG) > 0)
        ;
}

/* Forks and execs argv; returns the child and the time taken just before its exec. */
static pid_t start(char **argv, double *started)
{
    int report[2];
    if (pipe2(report, O_CLOEXEC) < 0)
        return -1;
    pid_t child = fork();
    if (child == 0) {
        double t0 = now_ms();
        if (write(report[1], &t0, sizeof t0) == sizeof t0) {
            execvp(argv[0], argv);
            int error = errno;
            if (write(report[1], &error, sizeof error) < 0)
                _exit(127);
        }
        _exit(127);
    }
    close(report[1]);
    int error = 0;
    if (child < 0 || read(report[0], started, sizeof *started) != sizeof *started ||
        read(report[0], &error, sizeof error) == sizeof error) { /* end of file: exec worked */
        fprintf(stderr, "mapwait: cannot start %s: %s\n", argv[0], strerror(error));
        close(report[0]);
        return -1;
    }
    close(report[0]);
    return child;
}

/* Waits for the first top-level map; 0 on time-out or if the child ends first. */
static Window wait_for_map(Display *display, pid_t child, double deadline, int *status)
{
    int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            *status = 5;
            return 0;
        }
        double left = deadline - now_ms();
        if (left <= 0) {
            *status = 4;
            return 0;
        }
        struct pollfd readable = {fd, POLLIN, 0};
        poll(&readable, 1, left < 50 ? (int)left + 1 : 50);
    }
}

int main(int argc, char **argv)
{
    long settle = 1000, idle = 3000, timeout = 20000;
    int option;
    while ((option = getopt(argc, argv, "+s:i:t:")) != -1) {
        switch (option) {
        case 's': settle = atol(optarg); break;
        case 'i': idle = atol(optarg); break;
        case 't': timeout = atol(optarg); break;
        default:
            fprintf(stderr, "usage: mapwait [-s settle_ms] [-i idle_ms] [-t timeout_ms] "
                            "-- program args...\n");
            return 2;
        }
    }
    if (optind >= argc)
        return 2;

    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "mapwait: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignore_x_error);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    prctl(PR_SET_CHILD_SUBREAPER, 1);

    double started = 0;
    pid_t child = start(argv + optind, &started);
    if (child < 0)
        return 3;
    int status = 0;
    Window window = wait_for_map(display, child, started + timeout, &status);
    double mapped = now_ms();
    double cpu_ms = cpu_time_ms(child);
    if (!window) {
        fprintf(stderr, "mapwait: %s\n", status == 4 ? "no map in time" : "program ended");
        end_all(child);
        return status;
    }
    XWindowAttributes attributes = {0};
    XGetWindowAttributes(display, window, &attributes);

    sleep_ms(settle);
    long rss = proc_field(child, "status", "VmRSS");
    int threads = 0;
    long switches_before = sum_over_threads(child, "voluntary_ctxt_switches", &threads);
    double idle_start = now_ms();
    sleep_ms(idle);
    long switches_after = sum_over_threads(child, "voluntary_ctxt_switches", NULL);
    double idle_seconds = (now_ms() - idle_start) / 1e3;
    pid_t helpers[max_helpers];
    char names[512];
    int helper_count = descendants(child, helpers, names, sizeof names);

    printf("map_ms=%.1f cpu_ms=%.1f w=%d h=%d rss_kib=%ld threads=%d wakeups_s=%.2f helpers=%d "
           "helper_names=%s\n",
           mapped - started, cpu_ms, attributes.width, attributes.height, rss, threads,
           idle > 0 ? (switches_after - switches_before) / idle_seconds : 0.0, helper_count,
           helper_count ? names : "-");
    fflush(stdout);
    end_all(child);
    XCloseDisplay(display);
    return 0;
}
