#include "core/jv/JvMessage.h"

#include <cstdint>

namespace marovix {
namespace {

// The message groups, one bit each. Groups are tried in this order; a later group that matches the
// operation name replaces the message of an earlier one ("JVSet*" after "JVSetUIProperties").
enum Group : std::uint32_t {
    Init = 1u << 0,
    SetUIProperties = 1u << 1,
    SetAny = 1u << 2,
    Open = 1u << 3,
    Status = 1u << 4,
    Read = 1u << 5,
    FileDelete = 1u << 6,
    FukuFile = 1u << 7,
    Fuku = 1u << 8,
    MVCheck = 1u << 9,
    MVPlay = 1u << 10,
    MVOpen = 1u << 11,
    CourseFile = 1u << 12,
    CourseFile2 = 1u << 13,
    MVRead = 1u << 14,
    Close = 1u << 15,
};

constexpr std::uint32_t kFukuGroups = FukuFile | Fuku | MVCheck;
constexpr std::uint32_t kMovieCourseGroups = MVPlay | MVOpen | CourseFile | CourseFile2;

constexpr std::string_view kDone = "正常に実行されました。";

struct MessageGroup {
    Group group;
    // The operation names of the group; a name ending in '*' matches every name that begins with it.
    std::string_view names[2];
    // Code 0 gives kDone when no row lists it (other unlisted codes give no message).
    bool doneOnZero;
    // For a code above 0 the message becomes this text followed by the code.
    std::string_view aboveZero;
};

constexpr MessageGroup kGroups[] = {
    {Init, {"JVInit"}, true, {}},
    {SetUIProperties, {"JVSetUIProperties"}, true, {}},
    {SetAny, {"JVSet*"}, true, {}},
    {Open, {"JVOpen", "JVRTOpen"}, false, {}},
    {Status, {"JVStatus"}, true, "ダウンロード済みファイル数"},
    {Read, {"JVRead", "JVGets"}, false, "バッファにセットしたデータのサイズ"},
    {FileDelete, {"JVFileDelete"}, true, {}},
    {FukuFile, {"JVFukuFile"}, false, {}},
    {Fuku, {"JVFuku"}, false, {}},
    {MVCheck, {"JVMVCheck"}, false, {}},
    {MVPlay, {"JVMVPlay", "JVMVPlayWithType"}, false, {}},
    {MVOpen, {"JVMVOpen"}, false, {}},
    {CourseFile, {"JVCourseFile"}, false, {}},
    {CourseFile2, {"JVCourseFile2"}, false, {}},
    {MVRead, {"JVMVRead"}, false, "バッファにセットしたデータのサイズ"},
    {Close, {"JVClose"}, true, {}},
};

struct MessageRow {
    std::uint32_t groups;  // the groups the row belongs to
    int code;
    std::string_view text;
};

// Every message, once: a row lists every group that uses the same text for the same code. The texts
// differ between groups in brackets, spaces and wording, exactly as JV-Link words them.
constexpr MessageRow kRows[] = {
    {Init, -103, "sid が不正（sid の１桁目がスペース）です。"},
    {Init, -102, "sid が64byte 以上あります。"},
    {Init, -101, "sid が設定されていません。"},
    {SetUIProperties | SetAny, -100, "パラメータが不正あるいはレジストリへの保存に失敗しました。"},
    {SetAny, -101, "すでにサービスキーが登録されています。"},

    {MVCheck, 1, "正常(公開動画あり)に実行されました。"},
    {Open | FukuFile | Fuku | kMovieCourseGroups, 0, kDone},
    {MVCheck, 0, "正常(公開動画なし)に実行されました。"},
    {Read | MVRead, 0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）"},
    {Open, -1, " 取得済みデータより最新のデータがありません。"},
    {Read, -1, "ファイルが切り替わりました。"},
    {kFukuGroups | kMovieCourseGroups, -1, "該当データがありません。"},
    {Open, -2, "セットアップダイアログでキャンセルが押されました。"},
    {Read, -3, "ファイルダウンロード中"},
    {MVRead, -3, "データダウンロード中"},
    {MVPlay, -100, "パラメータが不正またはレジストリへの保存に失敗しました。"},
    {Open, -111, "dataspec パラメータが不正です。"},
    {MVPlay | MVOpen, -111, "movietypeパラメータが不正です。"},
    {Open, -112, "fromdate パラメータが不正です。"},
    {Open | MVCheck, -114, "key パラメータが不正です。"},
    {MVPlay | CourseFile | CourseFile2, -114, "keyパラメータが不正です。"},
    {MVOpen, -114, "searchkeyパラメータが不正です。"},
    {Open, -115, "option パラメータが不正です。"},
    {Open, -116, "dataspec とoption の組み合わせが不正です。"},
    {FukuFile, -118, "filepath パラメータが不正です。"},
    {CourseFile2, -118, "filepathパラメータが不正です。"},
    {Open | kFukuGroups, -201, "JVInit が行なわれていません。"},
    {Status | Read | FileDelete | MVRead, -201, "JVInitが行なわれていません。"},
    {kMovieCourseGroups, -201, "JVInitが行われていません。"},
    {Open | Read | MVCheck | kMovieCourseGroups, -202,
     "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）"},
    {Status | Read, -203, "JVOpenが行なわれていません。"},
    {MVRead, -203, "JVMVOpenが行なわれていません。"},
    {Open | kFukuGroups, -211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。"},
    {kMovieCourseGroups, -211, "レジストリ内容が不正です。"},
    {Open | kFukuGroups | kMovieCourseGroups, -301, "認証エラーが発生しました。"},
    {Open | kFukuGroups, -302, "サービスキーの有効期限切れです。"},
    {kMovieCourseGroups, -302, "サービスキーの期限切れです。"},
    {Open | kFukuGroups, -303, "サービスキーが設定されていません。（サービスキーが空値）"},
    {kMovieCourseGroups, -303, "サービスキーが設定されていません。"},
    {MVPlay | MVOpen, -304, "JRAレーシングビュアー連携機能認証エラーが発生しました。"},
    {Open, -305, "JV-Link 利用規約への同意が必要です。"},
    {Open, -401, "JV-Link 内部エラーが発生しました。"},
    {kFukuGroups, -401, "JV- Link 内部エラーが発生しました。"},
    {kMovieCourseGroups, -401, "JV-Link内部エラーが発生しました。"},
    {Read | MVRead, -402, "ダウンロードしたファイルサイズが異常です。"},
    {Read | MVRead, -403, "ダウンロードしたファイル内容が異常です。"},
    {Open | kFukuGroups, -411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。"},
    {kMovieCourseGroups, -411, "サーバーエラー(HTTPステータス404NotFound)が発生しました。"},
    {Open | kFukuGroups, -412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。"},
    {kMovieCourseGroups, -412, "サーバーエラー(HTTPステータス403Forbidden)が発生しました。"},
    {Open | kFukuGroups, -413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。"},
    {kMovieCourseGroups, -413, "サーバーエラー(HTTPステータス200,403,404以外)が発生しました。"},
    {Open | kFukuGroups, -421, "サーバーエラー（サーバーの応答が不正）が発生しました。"},
    {kMovieCourseGroups, -421, "サーバーエラー(サーバーの応答が不正)が発生しました。"},
    {Open | kFukuGroups, -431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。"},
    {kMovieCourseGroups, -431, "サーバーエラー(サーバーアプリケーション内部エラー)が発生しました。"},
    {Open, -501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。"},
    {Status, -502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）"},
    {Read | MVRead | CourseFile | CourseFile2, -502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)"},
    {Read | FileDelete, -503, "ファイルが見つかりません。"},
    {MVRead, -503, "一時ファイルが見つかりません。"},
    {Open | kFukuGroups, -504, "サーバーがメンテナンス中です。"},
    {kMovieCourseGroups, -504, "サーバーメンテナンス中です。"},
};

// A group has at most one row per code.
constexpr bool rowsAreUnique() {
    constexpr std::size_t n = sizeof kRows / sizeof kRows[0];
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (kRows[i].code == kRows[j].code && (kRows[i].groups & kRows[j].groups) != 0) return false;
    return true;
}
static_assert(rowsAreUnique(), "two messages for the same group and code");

bool nameMatches(std::string_view pattern, std::string_view operation) {
    if (!pattern.empty() && pattern.back() == '*') return operation.starts_with(pattern.substr(0, pattern.size() - 1));
    return !pattern.empty() && pattern == operation;
}

bool groupMatches(const MessageGroup& group, std::string_view operation) {
    for (std::string_view name : group.names)
        if (nameMatches(name, operation)) return true;
    return false;
}

std::string groupMessage(const MessageGroup& group, int code) {
    std::string message;
    bool listed = false;
    for (const MessageRow& row : kRows) {
        if ((row.groups & group.group) != 0 && row.code == code) {
            message = row.text;
            listed = true;
            break;
        }
    }
    if (!listed && group.doneOnZero && code == 0) message = kDone;
    if (code > 0 && !group.aboveZero.empty()) message = std::string(group.aboveZero) + std::to_string(code);
    return message;
}

}  // namespace

std::string JVMessage(std::string_view operation, int code) {
    std::string message;
    for (const MessageGroup& group : kGroups)
        if (groupMatches(group, operation)) message = groupMessage(group, code);
    return message + "(" + std::to_string(code) + ")";
}

}  // namespace marovix
