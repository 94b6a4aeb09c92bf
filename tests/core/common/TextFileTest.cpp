#include "core/common/TextFile.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <atomic>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

#include "core/common/Cp932.h"
#ifndef _WIN32
#include "tests/support/FileSizeLimit.h"
#endif
#include "tests/support/TempFolder.h"

namespace marovix::text_file_test {

TEST(Cp932, RoundTripsCharactersThatPlainShiftJisLacks) {
    const std::string text = "①⑱Ⅰ～－ｾﾝ　中山";
    std::string bytes = utf8ToCp932(text);
    EXPECT_EQ(cp932ToUtf8(bytes), text);
    EXPECT_EQ(bytes.size(), 2u * 5 + 2 + 2 + 4);
    EXPECT_EQ(cp932Width("ﾊﾝﾃﾞ"), 4u);
}

TEST(Cp932, UnconvertibleInputIsReplacedNotDropped) {
    EXPECT_EQ(utf8ToCp932("a😀b"), "a?b");
    EXPECT_EQ(cp932ToUtf8(std::string("a\x81", 2)), "a\xEF\xBF\xBD");
}

TEST(TextFile, WritesCp932WithCrLfAndReadsItBack) {
    TempFolder folder;
    std::string path = folder.file("log.txt");
    ASSERT_TRUE(writeTextLines(path, {"■利用開始 ", ""}).ok());
    auto bytes = readFileBytes(path);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, utf8ToCp932("■利用開始 ") + "\r\n\r\n");
    auto lines = readTextLines(path);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(*lines, (std::vector<std::string>{"■利用開始 ", ""}));
}

TEST(TextFile, ReplaceFailsWithoutTouchingTheOldFileWhenTheFolderIsGone) {
    TempFolder folder;
    auto status = replaceFile(folder.file("missing/sub/file.txt"), "x");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error().find(nativePath("missing/sub/file.txt")), std::string::npos) << status.error();
}

TEST(TextFile, SplitLinesKeepsALastLineWithoutItsEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(TextFile, FoldersMadeByManyThreadsAtOnceAreNoError) {
    // Writers of the demo feed make the same folders at the same moment: one of them finds the folder made
    // by another between its check and its mkdir.
    TempFolder folder;
    constexpr int kThreads = 8;
    constexpr int kFolders = 300;
    std::atomic<int> ready{0};
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            ++ready;
            while (ready < kThreads) {
            }
            for (int i = 0; i < kFolders; ++i)
                if (!makeDirectory(folder.file("f" + std::to_string(i)))) ++failures;
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(failures, 0);
    for (int i = 0; i < kFolders; ++i) EXPECT_TRUE(directoryExists(folder.file("f" + std::to_string(i))));
    // A file where the folder belongs is still an error.
    ASSERT_TRUE(replaceFile(folder.file("plain"), "x").ok());
    Status status = makeDirectory(folder.file("plain"));
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().find("plain: パスの途中にフォルダでないものがあります"), std::string::npos)
        << status.error();
}

}  // namespace marovix::text_file_test

namespace marovix::text_file_test {
namespace {

TEST(TextFileErrors, ReadFailuresSayWhetherTheFileIsMissing) {
    TempFolder folder;
    ASSERT_TRUE(makeDirectory(folder.file("a folder")).ok());
    ASSERT_TRUE(replaceFile(folder.file("file"), "x\r\n").ok());
    const std::tuple<std::string, ErrorKind> cases[] = {
        {folder.file("missing.jvDM"), ErrorKind::NotFound},
        {folder.file("missing/below.jvDM"), ErrorKind::NotFound},
        {folder.file("file/below.jvDM"), ErrorKind::NotFound},  // a file where a folder belongs: ENOTDIR
        {folder.file("a folder"), ErrorKind::Refused},
    };
    for (const auto& [path, kind] : cases) {
        auto read = readRawLines(path);
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_EQ(read.errorKind(), kind) << path << ": " << read.error();
        EXPECT_NE(read.error().find(path), std::string::npos);
    }
}

TEST(TextFileErrors, OnlyAMissingFileReadsAsNoLines) {
    TempFolder folder;
    ASSERT_TRUE(makeDirectory(folder.file("day.jvHR")).ok());
    auto missing = readRawLinesIfPresent(folder.file("none.jvHR"));
    ASSERT_TRUE(missing.ok());
    EXPECT_TRUE(missing->empty());
    auto folderInstead = readRawLinesIfPresent(folder.file("day.jvHR"));
    ASSERT_FALSE(folderInstead.ok());
    EXPECT_EQ(folderInstead.errorKind(), ErrorKind::Refused);
}

}  // namespace
TEST(TextFileAppend, AddsLinesAtTheEndAndNeverJoinsThemToAnUnendedLastLine) {
    TempFolder folder;
    const std::string lines[] = {"one", "two"};
    const std::tuple<const char*, std::optional<std::string>, std::string> cases[] = {
        {"missing", std::nullopt, "one\r\ntwo\r\n"},
        {"empty", "", "one\r\ntwo\r\n"},
        {"ended", "old\r\n", "old\r\none\r\ntwo\r\n"},
        {"unended", "old", "old\r\none\r\ntwo\r\n"},
    };
    for (const auto& [name, before, after] : cases) {
        const std::string path = folder.file(name);
        if (before) {
            ASSERT_TRUE(replaceFile(path, *before).ok());
        }
        ASSERT_TRUE(appendRawLines(path, lines).ok()) << name;
        EXPECT_EQ(*readFileBytes(path), after) << name;
    }
}

namespace {

// Appends to `name`, a folder or something else that is no regular file, in `folder`: refused.
void expectAppendRefused(const TempFolder& folder, const char* name) {
    const std::string lines[] = {std::string(4096, 'x')};
    const Status appended = appendRawLines(folder.file(name), lines);
    ASSERT_FALSE(appended.ok()) << name;
    EXPECT_EQ(appended.errorKind(), ErrorKind::Refused) << name;
}

}  // namespace

TEST(TextFileAppend, RefusesAFolder) {
    TempFolder folder;
    ASSERT_TRUE(makeDirectory(folder.file("a folder")).ok());
    expectAppendRefused(folder, "a folder");
}

// FIFOs and a file size limit of the process (a disk that fills) are POSIX's; Windows has neither.
#ifndef _WIN32
TEST(TextFileAppend, RefusesAFifo) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);
    expectAppendRefused(folder, "fifo");  // a FIFO without reader would block a plain open
}

TEST(TextFileAppend, TakesBackAFailedWrite) {
    TempFolder folder;
    const std::string lines[] = {std::string(4096, 'x')};
    const std::string path = folder.file("full.log");
    ASSERT_TRUE(replaceFile(path, "kept\r\n").ok());
    {
        FileSizeLimit limit(1024);  // the disk fills part way through the line
        EXPECT_FALSE(appendRawLines(path, lines).ok());
    }
    EXPECT_EQ(*readFileBytes(path), "kept\r\n");
}
#endif

}  // namespace marovix::text_file_test
