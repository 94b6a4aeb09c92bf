// The command line the tests build for a Windows program, read back by the system's own parser
// (CommandLineToArgvW, which marovix-cli.exe reads its arguments with): every word as it was.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/WideText.h"
#include "tests/support/WindowsCommandLine.h"

namespace marovix::windows_command_line_test {
namespace {

TEST(WindowsCommandLine, TheSystemReadsTheQuotedWordsBackAsTheyWere) {
    const std::vector<std::string> arguments = {
        "plain",    "a b",          "",          "tab\there", "line\nend",         "say \"hi\"",     "\"",
        "\\",       "C:\\a b\\",    "C:\\x\\\\", "a\\\"b",    "\\\\server\\share", "2025年03月01日", "\xF0\x9F\x90\x8E",
        "\"\\\"\"", "trailing \\\\"};
    const std::string program = "C:\\Program Files\\Marovix\\marovix-cli.exe";
    const std::wstring line = wideText(windowsCommandLine(program, arguments));
    int count = 0;
    wchar_t** read = CommandLineToArgvW(line.c_str(), &count);
    ASSERT_NE(read, nullptr);
    std::vector<std::string> back;
    for (int i = 0; i < count; ++i) back.push_back(utf8Text(read[i]));
    LocalFree(read);
    ASSERT_FALSE(back.empty());
    EXPECT_EQ(back.front(), program);
    EXPECT_EQ(std::vector<std::string>(back.begin() + 1, back.end()), arguments);
}

}  // namespace
}  // namespace marovix::windows_command_line_test
