#pragma once

// Runs a piece of a test in a child process of its own, for what must not touch the
// test process (a small file-size limit, a read that might never end, peak memory).

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

namespace yrn::test {

// The body's result is the child's exit status; returns it, or minus the signal that
// ended the child (SIGALRM after the timeout).
inline int runInChild(const std::function<int()>& body, unsigned timeoutSeconds = 30) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return -1000;
    if (pid == 0) {
        alarm(timeoutSeconds);
        _exit(body());
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// The peak resident memory since the start or resetPeakMemory(); -1 where unknown.
inline long peakMemoryKiB() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
    std::fclose(status);
    return kib;
}

// Makes the present resident memory the peak; false where Linux does not allow it.
inline bool resetPeakMemory() {
    FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    if (!refs) return false;
    const bool written = std::fputs("5", refs) >= 0;
    return std::fclose(refs) == 0 && written;
}

}  // namespace yrn::test
