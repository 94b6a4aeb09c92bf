#pragma once
// The texts that name what went wrong with a file, in the program's language: the system's reason for a
// failed call, and a faulty line of a file. Every message the program logs or shows is Japanese, also
// when it carries a reason the operating system gave.
#include <cstddef>
#include <string>

#include "core/common/Result.h"

namespace marovix {

// The system's reason for error number `error` (errno) in Japanese, without a closing "。" so that it
// reads inside a longer message, e.g. ENOENT "ファイルまたはフォルダが見つかりません"; a number without
// its own text gives "システムエラーが発生しました(エラー番号 N)".
std::string systemErrorText(int error);

// A failed call on `path`: path + ": " + systemErrorText(error).
std::string fileErrorText(const std::string& path, int error);

// The same as an Error, its kind told by the reason: NotFound for a missing file or folder, Refused for
// a denied access, IO for the rest.
Error fileFault(const std::string& path, int error);

// A path that is no regular file, refused: a folder is named as such, anything else (a FIFO, a device)
// as no regular file.
Error notRegularFileFault(const std::string& path, bool isFolder);

// A faulty line of a file: path + " " + (lineIndex + 1) + "行目: " + reason (lineIndex counts from 0).
std::string fileLineFault(const std::string& path, std::size_t lineIndex, const std::string& reason);

}  // namespace marovix
