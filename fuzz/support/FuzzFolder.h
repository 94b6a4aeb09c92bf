#pragma once
// The private folder of a fuzz target for the parsers that read files: made once per process (in memory
// where the system offers /dev/shm), emptied before every input, removed when the process ends normally.
#include <string>
#include <string_view>

namespace marovix::fuzz {

class FuzzFolder {
public:
    // The process's folder, emptied: call once at the start of every input.
    static FuzzFolder& fresh();

    const std::string& path() const { return m_path; }
    // The path of `tail` inside the folder.
    std::string file(std::string_view tail) const;
    // Writes `bytes` to `tail` (its folders made first) and returns the path. Aborts when the file cannot
    // be written: a fuzz run that cannot lay out its input would test nothing.
    std::string write(std::string_view tail, std::string_view bytes) const;
    // Makes the folder `tail` and its parents; returns its path.
    std::string makeFolder(std::string_view tail) const;

    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

private:
    FuzzFolder();
    ~FuzzFolder();
    void empty() const;

    std::string m_path;
};

// Writes `bytes` to the file `path`, its folders made first. Aborts when the file cannot be written.
void writeFile(const std::string& path, std::string_view bytes);

// Stops the run with a message on standard error: a broken promise of the code under test that no
// sanitizer sees (two ways of storing that disagree, a value outside its documented range).
[[noreturn]] void fail(std::string_view what);
// fail(what) unless `condition`.
inline void check(bool condition, std::string_view what) {
    if (!condition) fail(what);
}

}  // namespace marovix::fuzz
