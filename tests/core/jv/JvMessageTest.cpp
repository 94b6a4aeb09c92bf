#include "core/jv/JvMessage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marovix::jv_message_test {
namespace {

struct MessageCase {
    std::string operation;
    int code;
    std::string expected;
};

void expectMessages(const std::vector<MessageCase>& cases) {
    for (const auto& c : cases) EXPECT_EQ(JVMessage(c.operation, c.code), c.expected) << c.operation << " " << c.code;
}

const std::string kStillOpen = "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）";

TEST(JvMessage, InitAndSetGroups) {
    expectMessages({
        {"JVInit", -103, "sid が不正（sid の１桁目がスペース）です。(-103)"},
        {"JVInit", -102, "sid が64byte 以上あります。(-102)"},
        {"JVInit", -101, "sid が設定されていません。(-101)"},
        {"JVInit", 0, "正常に実行されました。(0)"},
        {"JVInit", -100, "(-100)"},
        {"JVInit", 3, "(3)"},
        {"JVSetUIProperties", -100, "パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)"},
        {"JVSetUIProperties", 0, "正常に実行されました。(0)"},
        {"JVSetUIProperties", -1, "(-1)"},
        // The "JVSet" group comes later and replaces the message of the "JVSetUIProperties" group.
        {"JVSetUIProperties", -101, "すでにサービスキーが登録されています。(-101)"},
        {"JVSetServiceKey", -101, "すでにサービスキーが登録されています。(-101)"},
        {"JVSetSaveFlag", -100, "パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)"},
        {"JVSet", 0, "正常に実行されました。(0)"},
        {"JVSetSavePath", -201, "(-201)"},
        {"JVSe", 0, "(0)"},
        {"jvsetUIProperties", 0, "(0)"},
    });
}

TEST(JvMessage, OpenGroupServesJvOpenAndJvRtOpen) {
    const std::vector<std::pair<int, std::string>> rows = {
        {0, "正常に実行されました。"},
        {-1, " 取得済みデータより最新のデータがありません。"},
        {-2, "セットアップダイアログでキャンセルが押されました。"},
        {-111, "dataspec パラメータが不正です。"},
        {-112, "fromdate パラメータが不正です。"},
        {-114, "key パラメータが不正です。"},
        {-115, "option パラメータが不正です。"},
        {-116, "dataspec とoption の組み合わせが不正です。"},
        {-201, "JVInit が行なわれていません。"},
        {-202, kStillOpen},
        {-211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。"},
        {-301, "認証エラーが発生しました。"},
        {-302, "サービスキーの有効期限切れです。"},
        {-303, "サービスキーが設定されていません。（サービスキーが空値）"},
        {-305, "JV-Link 利用規約への同意が必要です。"},
        {-401, "JV-Link 内部エラーが発生しました。"},
        {-411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。"},
        {-412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。"},
        {-413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。"},
        {-421, "サーバーエラー（サーバーの応答が不正）が発生しました。"},
        {-431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。"},
        {-501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。"},
        {-504, "サーバーがメンテナンス中です。"},
        // Not listed: no message at all, not even for the rule of other groups.
        {-999, ""},
        {-203, ""},
        {5, ""},
    };
    for (const char* operation : {"JVOpen", "JVRTOpen"})
        for (const auto& [code, text] : rows)
            EXPECT_EQ(JVMessage(operation, code), text + "(" + std::to_string(code) + ")") << operation << code;
    EXPECT_EQ(JVMessage("JVRTOpen", -504), "サーバーがメンテナンス中です。(-504)");
    EXPECT_EQ(JVMessage("JVOpen", -999), "(-999)");
}

TEST(JvMessage, StatusReadAndFileDeleteGroups) {
    expectMessages({
        {"JVStatus", -201, "JVInitが行なわれていません。(-201)"},
        {"JVStatus", -203, "JVOpenが行なわれていません。(-203)"},
        {"JVStatus", -502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)"},
        {"JVStatus", 0, "正常に実行されました。(0)"},
        {"JVStatus", 5, "ダウンロード済みファイル数5(5)"},
        {"JVStatus", -1, "(-1)"},
        {"JVRead", 0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)"},
        {"JVRead", -1, "ファイルが切り替わりました。(-1)"},
        {"JVRead", -2, "(-2)"},
        {"JVRead", -3, "ファイルダウンロード中(-3)"},
        {"JVRead", -201, "JVInitが行なわれていません。(-201)"},
        {"JVRead", -202, kStillOpen + "(-202)"},
        {"JVRead", -203, "JVOpenが行なわれていません。(-203)"},
        {"JVRead", -402, "ダウンロードしたファイルサイズが異常です。(-402)"},
        {"JVRead", -403, "ダウンロードしたファイル内容が異常です。(-403)"},
        {"JVRead", -502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)"},
        {"JVRead", -503, "ファイルが見つかりません。(-503)"},
        {"JVRead", -504, "(-504)"},
        {"JVRead", 1272, "バッファにセットしたデータのサイズ1272(1272)"},
        {"JVGets", -3, "ファイルダウンロード中(-3)"},
        {"JVGets", 555, "バッファにセットしたデータのサイズ555(555)"},
        {"JVFileDelete", -201, "JVInitが行なわれていません。(-201)"},
        {"JVFileDelete", -503, "ファイルが見つかりません。(-503)"},
        {"JVFileDelete", 0, "正常に実行されました。(0)"},
        {"JVFileDelete", -1, "(-1)"},
    });
}

TEST(JvMessage, MovieReadAndCloseGroups) {
    expectMessages({
        {"JVMVRead", 0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)"},
        {"JVMVRead", -1, "(-1)"},
        {"JVMVRead", -3, "データダウンロード中(-3)"},
        {"JVMVRead", -201, "JVInitが行なわれていません。(-201)"},
        {"JVMVRead", -203, "JVMVOpenが行なわれていません。(-203)"},
        {"JVMVRead", -402, "ダウンロードしたファイルサイズが異常です。(-402)"},
        {"JVMVRead", -403, "ダウンロードしたファイル内容が異常です。(-403)"},
        {"JVMVRead", -502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)"},
        {"JVMVRead", -503, "一時ファイルが見つかりません。(-503)"},
        {"JVMVRead", 64, "バッファにセットしたデータのサイズ64(64)"},
        {"JVClose", 0, "正常に実行されました。(0)"},
        {"JVClose", -201, "(-201)"},
        {"JVClose", 1, "(1)"},
    });
}

// One row per code: the text each operation of the group gives ("" = no message).
struct MatrixRow {
    int code;
    std::vector<std::string> texts;
};

void expectMatrix(const std::vector<std::string>& operations, const std::vector<MatrixRow>& rows) {
    for (const auto& row : rows) {
        ASSERT_EQ(row.texts.size(), operations.size());
        for (std::size_t i = 0; i < operations.size(); ++i)
            EXPECT_EQ(JVMessage(operations[i], row.code), row.texts[i] + "(" + std::to_string(row.code) + ")")
                << operations[i] << " " << row.code;
    }
}

TEST(JvMessage, FukuAndMovieCheckGroups) {
    const std::string inner = "JV- Link 内部エラーが発生しました。";
    const std::string none;
    std::vector<MatrixRow> rows = {
        {1, {none, none, "正常(公開動画あり)に実行されました。"}},
        {0, {"正常に実行されました。", "正常に実行されました。", "正常(公開動画なし)に実行されました。"}},
        {-1, {"該当データがありません。", "該当データがありません。", "該当データがありません。"}},
        {-114, {none, none, "key パラメータが不正です。"}},
        {-118, {"filepath パラメータが不正です。", none, none}},
        {-202, {none, none, kStillOpen}},
        {-401, {inner, inner, inner}},
        {-2, {none, none, none}},
        {-503, {none, none, none}},
        {7, {none, none, none}},
    };
    // Rows that take the text of the open group.
    for (int code : {-201, -211, -301, -302, -303, -411, -412, -413, -421, -431, -504}) {
        std::string text = JVMessage("JVOpen", code);
        text.erase(text.rfind('('));
        ASSERT_FALSE(text.empty());
        rows.push_back({code, {text, text, text}});
    }
    expectMatrix({"JVFukuFile", "JVFuku", "JVMVCheck"}, rows);
}

TEST(JvMessage, MoviePlayOpenAndCourseFileGroups) {
    const std::string none;
    auto all = [](const std::string& text) { return std::vector<std::string>(5, text); };
    expectMatrix({"JVMVPlay", "JVMVPlayWithType", "JVMVOpen", "JVCourseFile", "JVCourseFile2"},
                 {
                     {0, all("正常に実行されました。")},
                     {-1, all("該当データがありません。")},
                     {-100,
                      {"パラメータが不正またはレジストリへの保存に失敗しました。",
                       "パラメータが不正またはレジストリへの保存に失敗しました。", none, none, none}},
                     {-111,
                      {"movietypeパラメータが不正です。", "movietypeパラメータが不正です。",
                       "movietypeパラメータが不正です。", none, none}},
                     {-114,
                      {"keyパラメータが不正です。", "keyパラメータが不正です。", "searchkeyパラメータが不正です。",
                       "keyパラメータが不正です。", "keyパラメータが不正です。"}},
                     {-118, {none, none, none, none, "filepathパラメータが不正です。"}},
                     {-201, all("JVInitが行われていません。")},
                     {-202, all(kStillOpen)},
                     {-211, all("レジストリ内容が不正です。")},
                     {-301, all("認証エラーが発生しました。")},
                     {-302, all("サービスキーの期限切れです。")},
                     {-303, all("サービスキーが設定されていません。")},
                     {-304,
                      {"JRAレーシングビュアー連携機能認証エラーが発生しました。",
                       "JRAレーシングビュアー連携機能認証エラーが発生しました。",
                       "JRAレーシングビュアー連携機能認証エラーが発生しました。", none, none}},
                     {-401, all("JV-Link内部エラーが発生しました。")},
                     {-411, all("サーバーエラー(HTTPステータス404NotFound)が発生しました。")},
                     {-412, all("サーバーエラー(HTTPステータス403Forbidden)が発生しました。")},
                     {-413, all("サーバーエラー(HTTPステータス200,403,404以外)が発生しました。")},
                     {-421, all("サーバーエラー(サーバーの応答が不正)が発生しました。")},
                     {-431, all("サーバーエラー(サーバーアプリケーション内部エラー)が発生しました。")},
                     {-502,
                      {none, none, none, "ダウンロードに失敗しました。(通信エラーやディスクエラー)",
                       "ダウンロードに失敗しました。(通信エラーやディスクエラー)"}},
                     {-504, all("サーバーメンテナンス中です。")},
                     {-3, all(none)},
                     {-305, all(none)},
                     {2, all(none)},
                 });
}

TEST(JvMessage, UnknownOrMiscasedNamesGiveTheCodeAlone) {
    expectMessages({
        {"jvopen", -1, "(-1)"},
        {"JVOPEN", 0, "(0)"},
        {"JVCancel", 0, "(0)"},
        {"", 0, "(0)"},
        {"JVOpen ", -1, "(-1)"},
        {"JVReadX", 5, "(5)"},
        {"JVWatchEvent", -201, "(-201)"},
    });
}

}  // namespace
}  // namespace marovix::jv_message_test
