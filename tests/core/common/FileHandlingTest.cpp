// How the program's files are replaced and read when the folder holds more than plain files: other
// writers, leftovers of killed runs, symbolic links, modes the user set, FIFOs and folders where a file
// belongs. Links, modes and FIFOs are POSIX's: those cases run there only.
#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/jv/DayFileStore.h"
#include "core/settings/TIniGT.h"
#include "tests/support/CliRun.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/TempFolder.h"

namespace marovix::file_handling_test {
namespace {

namespace fs = std::filesystem;

// A process id far above any the systems give (Linux's largest is PID_MAX_LIMIT): never a live process.
constexpr long kGonePid = 4194304 + 7;

// A process other than this one that runs while the test does: init on POSIX; on Windows, where no id is
// fixed, the first other process the system lists.
long otherRunningProcess() {
#ifdef _WIN32
    long found = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && found == 0; more = Process32NextW(snapshot, &entry))
        if (entry.th32ProcessID != 0 && entry.th32ProcessID != GetCurrentProcessId())
            found = static_cast<long>(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
#else
    return 1;
#endif
}

// Wine's ReplaceFileW, unlike Windows', moves the old file aside to a name of its own ("rf" and hex digits,
// ".tmp") and leaves it there when another writer's replace of the same file gets in between.
bool wineReplaceLeftover(const std::string& name) {
#ifdef _WIN32
    static const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return underWine && name.size() > 6 && name.starts_with("rf") && name.ends_with(".tmp") &&
           name.find_first_not_of("0123456789abcdef", 2) == name.size() - 4;
#else
    (void)name;
    return false;
#endif
}

// The names in the folder, in UTF-8 as the program knows them.
std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    auto entries = listFolder(folder);
    EXPECT_TRUE(entries.ok()) << folder;
    if (entries)
        for (const auto& entry : *entries)
            if (!wineReplaceLeftover(entry.name)) names.insert(entry.name);
    return names;
}

std::string contentOf(const std::string& path) {
    auto bytes = readFileBytes(path);
    return bytes ? *bytes : "<" + bytes.error() + ">";
}

#ifndef _WIN32
// Runs `action`; a FIFO that blocks it is opened for writing until it returns, and the case fails.
void withinDeadline(const std::string& fifo, const std::function<void()>& action) {
    auto done = std::async(std::launch::async, action);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return done.get();
    ADD_FAILURE() << "blocked on " << fifo;
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
}
#endif

struct FileCase {
    const char* name;
    std::function<void(const TempFolder&)> run;
};

const FileCase kFileCases[] = {
    {"two writers of one file use temporary names of their own",
     [](const TempFolder& folder) {
         const std::string path = folder.file("2024年01月06日.jvRA");
         const std::string a(1000, 'a'), b(3000, 'b');
         std::atomic<int> failures{0};
         auto writer = [&](const std::string& bytes) {
             for (int i = 0; i < 300; ++i)
                 if (!replaceFile(path, bytes)) ++failures;
         };
         std::thread first(writer, a), second(writer, b);
         first.join();
         second.join();
         EXPECT_EQ(failures, 0);
         const std::string now = contentOf(path);
         EXPECT_TRUE(now == a || now == b) << now.size() << " bytes";
         EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"2024年01月06日.jvRA"});
     }},
    {"a run removes what a killed run left, and nothing else",
     [](const TempFolder& folder) {
         const std::string gone = ".2024年01月06日.jvHR~" + std::to_string(kGonePid) + "-3.tmp";
         const long other = otherRunningProcess();
         ASSERT_NE(other, 0);
         const std::set<std::string> kept = {
             ".a.jvRA~" + std::to_string(currentProcessId()) + "-99999.tmp",  // a writer of this run, at work
             ".a.jvRA~" + std::to_string(other) + "-2.tmp",                   // another process, alive
             "a.jvRA~" + std::to_string(kGonePid) + "-3.tmp",                 // not hidden: not ours
             ".a.jvRA~x" + std::to_string(kGonePid) + "-3.tmp",               // not a process id
             ".a.jvRA~" + std::to_string(kGonePid) + "-3.tmp.bak",            // another ending
             "2024年01月06日.jvRA.tmp~",                                      // someone else's name
         };
         for (const auto& name : kept) ASSERT_TRUE(replaceFile(folder.file(name), "x").ok()) << name;
         std::set<std::string> before = namesIn(folder.path());  // the writes above cleaned already
         ASSERT_TRUE(replaceFile(folder.file(gone), "half").ok());
         ASSERT_TRUE(makeDirectory(folder.file("sub")).ok());
         const std::string goneInSub = "sub/.b~" + std::to_string(kGonePid) + "-1.tmp";
         ASSERT_TRUE(replaceFile(folder.file(goneInSub), "half").ok());
         ASSERT_TRUE(fileExists(folder.file(gone)));

         // A later run writes its settings file into "sub", then into the folder above.
         const std::string setting = " --section Play --key Sound1 --value 0";
         CliRun run = runCli("settings --app-folder '" + folder.file("sub") + "'" + setting);
         ASSERT_EQ(run.exitCode, 0) << run.output;
         EXPECT_EQ(namesIn(folder.file("sub")), std::set<std::string>{"Marovix.ini"});
         EXPECT_TRUE(fileExists(folder.file(gone))) << "a folder the run did not write is left alone";
         run = runCli("settings --app-folder '" + folder.path() + "'" + setting);
         ASSERT_EQ(run.exitCode, 0) << run.output;
         before.insert({"Marovix.ini", "sub"});
         EXPECT_EQ(namesIn(folder.path()), before);
     }},
    {"no temporary file survives a write, nor a failed one",
     [](const TempFolder& folder) {
         ASSERT_TRUE(replaceFile(folder.file("Marovix.ini"), "[locate]\r\n").ok());
         ASSERT_TRUE(makeDirectory(folder.file("2024年01月06日.jvRA")).ok());
         EXPECT_FALSE(replaceFile(folder.file("2024年01月06日.jvRA"), "x").ok());
         EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"Marovix.ini", "2024年01月06日.jvRA"}));
     }},
#ifndef _WIN32
    {"a replace through a symbolic link writes the link's target",
     [](const TempFolder& folder) {
         ASSERT_TRUE(makeDirectory(folder.file("real")).ok());
         ASSERT_TRUE(replaceFile(folder.file("real/settings.ini"), "old").ok());
         fs::create_symlink("real/settings.ini", folder.file("Marovix.ini"));       // relative
         fs::create_symlink(folder.file("Marovix.ini"), folder.file("chain.ini"));  // a link to the link
         fs::create_symlink("real/new.ini", folder.file("dangling.ini"));
         ASSERT_TRUE(replaceFile(folder.file("chain.ini"), "new").ok());
         ASSERT_TRUE(replaceFile(folder.file("dangling.ini"), "made").ok());
         EXPECT_TRUE(fs::is_symlink(folder.file("Marovix.ini")));
         EXPECT_TRUE(fs::is_symlink(folder.file("chain.ini")));
         EXPECT_TRUE(fs::is_symlink(folder.file("dangling.ini")));
         EXPECT_EQ(contentOf(folder.file("real/settings.ini")), "new");
         EXPECT_EQ(contentOf(folder.file("real/new.ini")), "made");
         EXPECT_EQ(namesIn(folder.file("real")), (std::set<std::string>{"settings.ini", "new.ini"}));

         // The settings store writes through a link in a folder it could not write itself.
         ASSERT_TRUE(makeDirectory(folder.file("app")).ok());
         fs::create_symlink(folder.file("real/settings.ini"), folder.file("app/Marovix.ini"));
         ASSERT_EQ(::chmod(folder.file("app").c_str(), 0555), 0);
         TIniGT settings(folder.file("app"), "");
         settings.setFileName("Marovix.ini");
         ASSERT_TRUE(settings.WriteInteger("locate", "top", 20).ok());
         EXPECT_EQ(contentOf(folder.file("real/settings.ini")), "new\r\n\r\n[locate]\r\ntop=20\r\n");
         EXPECT_TRUE(fs::is_symlink(folder.file("app/Marovix.ini")));
     }},
    {"a replace keeps the file's mode",
     [](const TempFolder& folder) {
         for (mode_t mode : {0600, 0640, 0604}) {
             const std::string path = folder.file("Marovix.ini");
             ASSERT_TRUE(replaceFile(path, "old").ok());
             ASSERT_EQ(::chmod(path.c_str(), mode), 0);
             ASSERT_TRUE(replaceFile(path, "new").ok());
             struct stat st {};
             ASSERT_EQ(::stat(path.c_str(), &st), 0);
             EXPECT_EQ(st.st_mode & 07777, mode) << std::oct << mode;
         }
     }},
    {"a FIFO where a file belongs is an error with its path, never waited on",
     [](const TempFolder& folder) {
         const std::string fifo = folder.file("2024年01月06日.jvRA");
         ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
         withinDeadline(fifo, [&] {
             auto read = readFileBytes(fifo);
             ASSERT_FALSE(read.ok());
             EXPECT_NE(read.error().find(fifo + ": "), std::string::npos) << read.error();
         });
         withinDeadline(fifo, [&] {
             DayFileStore store;
             Status stored = store.storeRecordLine(fifo, raRecord({}), true);
             ASSERT_FALSE(stored.ok());
             EXPECT_NE(stored.error().find(fifo + ": "), std::string::npos) << stored.error();
         });
         Status replaced = replaceFile(fifo, "x");
         ASSERT_FALSE(replaced.ok());
         EXPECT_NE(replaced.error().find(fifo + ": "), std::string::npos) << replaced.error();
         struct stat st {};
         ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
         EXPECT_TRUE(S_ISFIFO(st.st_mode));

         const std::string ini = folder.file("Marovix.ini");
         ASSERT_EQ(::mkfifo(ini.c_str(), 0644), 0);
         withinDeadline(ini, [&] {
             TIniGT settings(folder.path(), "");
             settings.setFileName("Marovix.ini");
             EXPECT_EQ(settings.ReadInteger("locate", "top", 10), 10);
             EXPECT_EQ(settings.readProblem(),
                       ini + " を読み込めません(通常のファイルではありません)。既定の設定で動作します。");
             Status written = settings.WriteInteger("locate", "top", 20);
             ASSERT_FALSE(written.ok());
             EXPECT_EQ(written.error(), ini + " に書き込めません");
         });
     }},
#endif
    {"a folder where a file belongs is an error with its path",
     [](const TempFolder& folder) {
         const std::string path = folder.file("Marovix.ini");
         ASSERT_TRUE(makeDirectory(path).ok());
         auto read = readFileBytes(path);
         ASSERT_FALSE(read.ok());
         EXPECT_EQ(read.error(), path + ": ファイルではなくフォルダです");
         Status replaced = replaceFile(path, "x");
         ASSERT_FALSE(replaced.ok());
         EXPECT_EQ(replaced.error(), path + ": ファイルではなくフォルダです");
     }},
};

TEST(FileHandling, ReplacingAndReadingFilesWhereTheFolderHoldsMoreThanPlainFiles) {
    for (const auto& c : kFileCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        c.run(folder);
    }
}

}  // namespace
}  // namespace marovix::file_handling_test
