#pragma once
// The texts that name what went wrong with a file, in the program's language: the system's reason for a
// failed call, and a faulty line of a file. Every message the program logs or shows is Japanese, also
// when it carries a reason the operating system gave.
#include <cstddef>
#include <string>

namespace marovix {

// The system's reason for error number `error` (errno) in Japanese, without a closing "。" so that it
// reads inside a longer message, e.g. ENOENT "ファイルまたはフォルダが見つかりません"; a number without
// its own text gives "システムエラーが発生しました(エラー番号 N)".
std::string systemErrorText(int error);

// A failed call on `path`: path + ": " + systemErrorText(error).
std::string fileErrorText(const std::string& path, int error);

// A faulty line of a file: path + " " + (lineIndex + 1) + "行目: " + reason (lineIndex counts from 0).
std::string fileLineFault(const std::string& path, std::size_t lineIndex, const std::string& reason);

}  // namespace marovix
