#pragma once

// The time a benchmark program waits for the disk: fsync and fdatasync, called by
// the program's own code, come here (these definitions take the C library's place
// in the program that includes this header, once) and go on to the C library's,
// timed. What an action costs but for that wait is its time less what fsyncWait()
// grew by meanwhile.
#include <dlfcn.h>

#include <atomic>
#include <chrono>

namespace yrn::bench {

// Nanoseconds, from any thread.
inline std::atomic<long long>& fsyncWaitTotal() {
    static std::atomic<long long> total{0};
    return total;
}

// The wait since the program started, in seconds.
inline double fsyncWait() {
    return double(fsyncWaitTotal().load()) * 1e-9;
}

template <class Call>
int timedSync(const char* name, int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, name));
    const auto start = std::chrono::steady_clock::now();
    const int result = real(fd);
    fsyncWaitTotal() += std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count();
    return result;
}

}  // namespace yrn::bench

extern "C" int fsync(int fd) {
    return yrn::bench::timedSync<struct Fsync>("fsync", fd);
}

extern "C" int fdatasync(int fd) {
    return yrn::bench::timedSync<struct Fdatasync>("fdatasync", fd);
}
