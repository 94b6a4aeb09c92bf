// What a safe replace costs over the bare minimum of writing the same bytes beside the file and renaming
// them over it: the replace also follows links, refuses what is not a regular file, takes a name of its
// own for the temporary file and keeps the old file's mode. Held against the bare write-and-rename in the
// same run (the ratio counter; each iteration does both), for a settings-sized file and a day file of a
// meeting day's odds.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/common/TextFile.h"

namespace marovix {
namespace {

// Writes the bytes to "<path>.tmp" and renames it over the file: nothing more.
void bareReplace(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::close(fd);
    if (::rename(temp.c_str(), path.c_str()) != 0) std::abort();
}

void BM_ReplaceFile(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "marovix-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    const std::string bytes(static_cast<std::size_t>(state.range(0)), 'x');
    const std::string path = folder + "/2024年01月06日.jvO6";
    if (!replaceFile(path, bytes)) std::abort();

    // The two take turns, so that the file system's ups and downs fall on both alike.
    double bare = 0, safe = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bareReplace(path, bytes);
        const auto middle = std::chrono::steady_clock::now();
        if (!replaceFile(path, bytes)) std::abort();
        const auto end = std::chrono::steady_clock::now();
        bare += std::chrono::duration<double>(middle - start).count();
        safe += std::chrono::duration<double>(end - middle).count();
    }
    state.counters["vs_bare_write_rename"] = safe / bare;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReplaceFile)->Arg(4 << 10)->Arg(2 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace marovix
