#include "core/vote/VoteCommand.h"

#include <cstdio>

#include "core/common/Trim.h"
#include "core/common/Yen.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

std::string_view trim(std::string_view text) { return trimmed(text, Blanks::SpaceTab); }

bool complete(const KaimeGrid& grid, int row) {
    return !trim(grid.cell(KaimeCol::Kaime, row)).empty() && !trim(grid.cell(KaimeCol::Odds, row)).empty() &&
           !trim(grid.cell(KaimeCol::Stake, row)).empty();
}

bool struckOut(const KaimeGrid& grid, int row) { return trim(grid.cell(KaimeCol::Kesu, row)) == kKesuMark; }

// "yyyymmddhhnn" of a moment.
std::string minuteKey(const DateTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute);
    return text;
}

VoteRefusal refusal(const VoteInputs& inputs, const char* message, const char* tag, const char* text) {
    VoteRefusal r{message, std::nullopt};
    if (inputs.automatic) r.logLine = std::string(tag) + inputs.now.timeText() + " " + text;
    return r;
}

}  // namespace

std::optional<VoteRefusal> checkVoteDay(const VoteInputs& inputs) {
    if (trim(inputs.dateText).empty())
        return refusal(inputs, "開催日ﾃﾞｰﾀを読み込んでください。", "[エラー]", "開催日が読み込まれていません。");
    if (!inputs.raceSelected)
        return refusal(inputs, "レースデータを読み込んでください。", "[エラー]", "レースが読み込まれていません。");
    if (inputs.dateText != inputs.now.dayText() && inputs.dateText != inputs.now.addDays(1).dayText())
        return refusal(inputs, "本日(または翌日)のデータが読み込まれていません。", "[エラー]",
                       "本日のデータが読み込まれていません。");
    const std::string raceMinute = inputs.raceKey16.substr(0, 8) + inputs.postTime;
    if (raceMinute < minuteKey(inputs.now))
        return refusal(inputs, "発走時刻を過ぎました。", "[エラー]", "発走時刻を過ぎています。");
    return std::nullopt;
}

std::optional<VoteRefusal> checkVotePlugin(const VoteInputs& inputs) {
    if (trim(inputs.pluginFolder).empty())
        return VoteRefusal{"「VQM投票プラグイン２」が正常にインストールされていません。再インストールしてください。",
                           std::nullopt};
    return std::nullopt;
}

std::optional<VoteRefusal> checkVote(const VoteInputs& inputs, const KaimeGrid& grid) {
    if (auto refused = checkVoteDay(inputs)) return refused;
    // A grid whose complete rows are all struck out votes nothing: it is refused like an empty one
    // instead of handing an empty vote file to the plug-in.
    bool any = false;
    for (int row = 1; row < grid.rowCount() && !any; ++row) any = complete(grid, row) && !struckOut(grid, row);
    if (!any) return refusal(inputs, "買い目が作成されていません。", "[投票不可]", "買い目が作成されていません。");
    return checkVotePlugin(inputs);
}

std::optional<VoteRefusal> recheckWaitedVote(const VoteInputs& inputs, bool votedMeanwhile) {
    if (auto refused = checkVotePlugin(inputs)) return refused;
    const std::string race = "[" + inputs.raceEntry + "]";
    const std::string tag = "[投票不可]" + inputs.now.timeText() + " ";
    if (checkVoteDay(inputs)) {
        std::string text = race + "の投票を待つ間に発走時刻を過ぎたため、投票を取りやめました。";
        return VoteRefusal{text, tag + text};
    }
    if (votedMeanwhile) {
        std::string text = race + "は投票を待つ間に投票済みとなったため、自動投票を取りやめました。";
        return VoteRefusal{text, tag + text};
    }
    return std::nullopt;
}

std::string voteWithdrawnLine(const VoteInputs& inputs, const DateTime& now) {
    return "[投票不可]" + now.timeText() + " [" + inputs.raceEntry +
           "]の投票は前の投票の終了を待ちきれなかったため、取りやめました。";
}

std::string voteStartErrorLine(const std::string& raceEntry, const DateTime& now, const std::string& error) {
    return "[エラー]" + now.timeText() + " [" + raceEntry + "]" + kVoteStartErrorText + ": " + error;
}

std::string pluginEndText(const PluginRunState& end) {
    const std::string status = end.kind == PluginRunState::Kind::Signalled ? "シグナル" + std::to_string(end.code)
                                                                           : "終了コード" + std::to_string(end.code);
    return std::string(kPluginEndErrorText) + "(" + status + ")";
}

std::string pluginEndLine(const std::string& raceEntry, const DateTime& now, const PluginRunState& end) {
    return "[エラー]" + now.timeText() + " " + pluginEndText(end) + "[" + raceEntry + "]";
}

std::vector<VoteRow> votedRows(const KaimeGrid& grid) {
    std::vector<VoteRow> rows;
    for (int row = 1; row < grid.rowCount(); ++row)
        if (complete(grid, row) && !struckOut(grid, row))
            rows.push_back(VoteRow{grid.cell(KaimeCol::Baken, row), grid.cell(KaimeCol::Kaime, row),
                                   grid.cell(KaimeCol::Stake, row)});
    return rows;
}

std::string votePageLabel(int page) {
    static const char* const labels[] = {"[一括]",   "[単勝]", "[複勝]",   "[枠連]",  "[馬連]",
                                         "[ワイド]", "[馬単]", "[３連複]", "[３連単]"};
    return page >= 0 && page < 9 ? labels[page] : "";
}

std::string voteQuestion(const std::string& raceEntry) {
    return "[" + raceEntry + ":" + "]に投票します。実行してよろしいですか？";
}

std::vector<std::string> voteLogBlock(const VoteInputs& inputs, const std::vector<std::string>& voteLines) {
    char amount[32];
    std::snprintf(amount, sizeof amount, "%7lld", static_cast<long long>(lenientYen(trim(inputs.stakeTotal))));
    std::vector<std::string> block = {
        "-----",
        std::string(inputs.simulation ? "[SIM]" : "") + "■投票" + "[" + inputs.buildMethod + "]" +
            votePageLabel(inputs.page) + inputs.now.slashText(),
        "[" + inputs.raceEntry + "]投票実行",
        std::string("■投票金額:") + amount,
        "***",
    };
    block.insert(block.end(), voteLines.begin(), voteLines.end());
    block.push_back("***");
    return block;
}

}  // namespace marovix
