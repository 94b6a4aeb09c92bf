// How the tests hand marovix-cli its arguments: a command line written for a POSIX shell split into its
// words without a shell, and the words quoted into a Windows command line that the program reads back
// word for word.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/CliProcess.h"
#include "tests/support/ShellWords.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowsCommandLine.h"

namespace marovix::command_words_test {
namespace {

using Words = std::vector<std::string>;

struct SplitCase {
    std::string line;
    Words words;
};

const SplitCase kSplitCases[] = {
    {"", {}},
    {"  \t ", {}},
    {"settings --section Dir", {"settings", "--section", "Dir"}},
    {"  a \t b  c  ", {"a", "b", "c"}},
    {"--app-folder '/tmp/VQM plug in' --x", {"--app-folder", "/tmp/VQM plug in", "--x"}},
    {"--at \"2024/01/06 09:30:00\" download", {"--at", "2024/01/06 09:30:00", "download"}},
    {"--app-folder \"\" --feed ''", {"--app-folder", "", "--feed", ""}},
    {"'it'\"'s\"' a'b", {"it's ab"}},
    {"\"say 'hi'\" 'say \"hi\"'", {"say 'hi'", "say \"hi\""}},
    {"--day 2025年03月01日 --track 芝", {"--day", "2025年03月01日", "--track", "芝"}},
    {"--inetid 'a b' --value '/opt/\xF0\x9F\x90\x8E'", {"--inetid", "a b", "--value", "/opt/\xF0\x9F\x90\x8E"}},
};

TEST(CommandWords, AShellLineSplitsAtBlanksOutsideQuotes) {
    for (const SplitCase& c : kSplitCases) EXPECT_EQ(splitShellWords(c.line), c.words) << c.line;
    // Windows folders keep their backslashes, quoted or not.
    EXPECT_EQ(splitShellWords("--app-folder C:\\users\\me\\Temp --feed 'C:\\a b\\'"),
              (Words{"--app-folder", "C:\\users\\me\\Temp", "--feed", "C:\\a b\\"}));
    EXPECT_EQ(splitShellWords("--value 'open"), (Words{"--value", "open"}));
}

#ifndef _WIN32
// The words a POSIX shell makes of `line`, each followed by a NUL.
std::string shellWords(const std::string& line) {
    std::string words;
    if (std::FILE* pipe = ::popen(("printf '%s\\0' " + line).c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) words.append(buffer, n);
        ::pclose(pipe);
    }
    return words;
}

TEST(CommandWords, TheSplitIsTheShellsOwn) {
    for (const SplitCase& c : kSplitCases) {
        if (c.words.empty()) continue;  // printf with no word prints one empty word
        std::string expected;
        for (const std::string& word : splitShellWords(c.line)) expected += word + '\0';
        EXPECT_EQ(shellWords(c.line), expected) << c.line;
    }
}
#endif

const Words kTrickyArguments = {"plain",
                                "a b",
                                "",
                                "tab\there",
                                "say \"hi\"",
                                "\"",
                                "\\",
                                "C:\\a b\\",
                                "C:\\no blank\\\\",
                                "a\\\"b",
                                "trailing\\",
                                "\\\\server\\share",
                                "2025年03月01日",
                                "\xF0\x9F\x90\x8E"};

TEST(CommandWords, AWindowsCommandLineQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(quoteWindowsArgument("plain"), "plain");
    EXPECT_EQ(quoteWindowsArgument("C:\\users\\me"), "C:\\users\\me");
    EXPECT_EQ(quoteWindowsArgument(""), "\"\"");
    EXPECT_EQ(quoteWindowsArgument("a b"), "\"a b\"");
    EXPECT_EQ(quoteWindowsArgument("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(quoteWindowsArgument("C:\\a b\\"), "\"C:\\a b\\\\\"");
    EXPECT_EQ(quoteWindowsArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    EXPECT_EQ(windowsCommandLine("C:\\bin\\marovix-cli.exe", {"show", "a b"}),
              "\"C:\\bin\\marovix-cli.exe\" show \"a b\"");
}

TEST(CommandWords, EachArgumentReachesTheProgramAsItIs) {
    TempFolder app;
    // A setting holds any text the settings file can: the command prints back what it stored.
    for (const std::string& value : kTrickyArguments) {
        if (value.empty() || value.find_first_of("\t\xF0") != std::string::npos) continue;
        CliProcess run(
            {"settings", "--app-folder", app.path(), "--section", "Dir", "--key", "lumidex", "--value", value});
        EXPECT_EQ(run.wait(), 0) << value << "\n" << run.err();
        EXPECT_EQ(run.out(), value + "\n") << value;
    }
}

}  // namespace
}  // namespace marovix::command_words_test
