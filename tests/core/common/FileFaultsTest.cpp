// The texts that name what went wrong with a file: the system's reasons in Japanese and faulty lines.
#include <gtest/gtest.h>

#include <cerrno>

#include "core/common/FileFaults.h"

namespace marovix::file_faults_test {
namespace {

bool hasAsciiLetter(const std::string& text) {
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    return false;
}

TEST(FileFaults, TheSystemsReasonsAreJapanese) {
    EXPECT_EQ(systemErrorText(ENOENT), "ファイルまたはフォルダが見つかりません");
    EXPECT_EQ(systemErrorText(EACCES), "アクセスが拒否されました");
    EXPECT_EQ(systemErrorText(ENOSPC), "ディスクの空き領域が不足しています");
    EXPECT_EQ(systemErrorText(99999), "システムエラーが発生しました(エラー番号 99999)");
    for (int error = 1; error < 140; ++error) EXPECT_FALSE(hasAsciiLetter(systemErrorText(error))) << error;
    EXPECT_EQ(fileErrorText("/data/x.jvRA", EISDIR), "/data/x.jvRA: ファイルではなくフォルダです");
}

TEST(FileFaults, AFaultyLineIsNamedByItsNumberFromOne) {
    EXPECT_EQ(fileLineFault("/data/x.jvHR", 1, "HRレコードのレコード長が不正です"),
              "/data/x.jvHR 2行目: HRレコードのレコード長が不正です");
}

}  // namespace
}  // namespace marovix::file_faults_test
