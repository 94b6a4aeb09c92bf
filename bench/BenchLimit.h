#pragma once

// What the benchmarks share to hold a piece of work against its limit: a clock that counts only this
// thread, and the limit most of them are held against, reading the same bytes once.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

namespace marovix::bench {

// CPU time of this thread (kernel time of its reads and writes included), so that other work on a shared
// machine does not tilt a ratio.
inline double threadSeconds() {
    struct timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Reads each file of `paths` once, whole, into `buffer` sized to it; returns the bytes read. A file that
// cannot be read ends the benchmark: its figures would mean nothing.
template <class Paths>
long long readBytesOnce(const Paths& paths, std::string& buffer) {
    long long total = 0;
    for (const std::string& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0) std::abort();
        buffer.resize(static_cast<std::size_t>(st.st_size));
        std::size_t filled = 0;
        while (filled < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + filled, buffer.size() - filled);
            if (n <= 0) std::abort();
            filled += static_cast<std::size_t>(n);
        }
        ::close(fd);
        total += static_cast<long long>(filled);
        benchmark::DoNotOptimize(buffer.data());
    }
    return total;
}

// The counters of a piece of work held against reading its bytes once: its milliseconds per iteration
// (as `name`), the limit's, their ratio, and the megabytes of one day read.
inline void setLimitCounters(benchmark::State& state, const char* name, double seconds, double limitSeconds,
                             long long bytes) {
    const auto n = static_cast<double>(state.iterations());
    state.counters[name] = seconds / n * 1e3;
    state.counters["bytes_once_ms"] = limitSeconds / n * 1e3;
    state.counters["ratio"] = seconds / limitSeconds;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}

}  // namespace marovix::bench
