#include "core/common/FileFaults.h"

#include <cerrno>

namespace marovix {
namespace {

struct ErrorText {
    int error;
    const char* text;
};

// The reasons a file operation of this program meets, in the manner of the system's own Japanese texts.
constexpr ErrorText kErrorTexts[] = {
    {ENOENT, "ファイルまたはフォルダが見つかりません"},
    {ENOTDIR, "パスの途中にフォルダでないものがあります"},
    {EACCES, "アクセスが拒否されました"},
    {EPERM, "この操作は許可されていません"},
    {EROFS, "読み取り専用の場所には書き込めません"},
    {ENOSPC, "ディスクの空き領域が不足しています"},
#ifdef EDQUOT
    {EDQUOT, "ディスクの使用量が上限に達しました"},
#endif
    {EISDIR, "ファイルではなくフォルダです"},
    {EEXIST, "同じ名前のファイルが既にあります"},
    {EFBIG, "ファイルが大きすぎます"},
    {EIO, "入出力エラーが発生しました"},
    {EMFILE, "開いているファイルが多すぎます"},
    {ENFILE, "開いているファイルが多すぎます"},
    {ENAMETOOLONG, "ファイル名が長すぎます"},
    {ELOOP, "シンボリックリンクの階層が深すぎます"},
    {EBUSY, "ファイルまたはフォルダが使用中です"},
    {ETXTBSY, "ファイルが使用中です"},
    {ENOTEMPTY, "フォルダが空ではありません"},
    {EXDEV, "別のドライブへは移動できません"},
    {EINVAL, "引数が正しくありません"},
    {ENOMEM, "メモリが不足しています"},
    {ENOEXEC, "実行できない形式のファイルです"},
    {EAGAIN, "リソースが一時的に利用できません"},
    {EINTR, "処理が中断されました"},
    {ENXIO, "デバイスまたはアドレスがありません"},
    {ECHILD, "子プロセスがありません"},
};

}  // namespace

std::string systemErrorText(int error) {
    for (const ErrorText& known : kErrorTexts)
        if (known.error == error) return known.text;
    return "システムエラーが発生しました(エラー番号 " + std::to_string(error) + ")";
}

std::string fileErrorText(const std::string& path, int error) { return path + ": " + systemErrorText(error); }

Error fileFault(const std::string& path, int error) {
    const ErrorKind kind = error == ENOENT || error == ENOTDIR                   ? ErrorKind::NotFound
                           : error == EACCES || error == EPERM || error == EROFS ? ErrorKind::Refused
                                                                                 : ErrorKind::IO;
    return Error{fileErrorText(path, error), kind};
}

Error notRegularFileFault(const std::string& path, bool isFolder) {
    return Error{isFolder ? fileErrorText(path, EISDIR) : path + ": 通常のファイルではありません", ErrorKind::Refused};
}

std::string fileLineFault(const std::string& path, std::size_t lineIndex, const std::string& reason) {
    return path + " " + std::to_string(lineIndex + 1) + "行目: " + reason;
}

}  // namespace marovix
