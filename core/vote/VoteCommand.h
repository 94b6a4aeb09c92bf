#pragma once
// The vote command of the main window ("投票", and its automatic twin): the checks a vote must pass, in
// order, with their messages and log lines; the rows it votes; the lines it writes to the day log. The
// main model runs the command around these with its dialogs, files, plug-in and sound.
#include <optional>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/MainGrids.h"
#include "core/ports/VotePluginLauncher.h"
#include "core/vote/VoteLine.h"

namespace marovix {

// What the vote command reads from the window at the time of the vote.
struct VoteInputs {
    bool automatic = false;
    std::string dateText;       // the date combo's text; empty when no day is selected
    bool raceSelected = false;  // a race is selected in the race list
    std::string raceEntry;      // the race's entry text in the race list, e.g. "東京11R"
    std::string raceKey16;      // the race's key (year, month-day, course, meeting, day, race number)
    std::string postTime;       // the race's post time hhmm
    DateTime now;
    int page = 0;              // the showing page of the selection tabs: 0 combined, 1..8 bet types
    std::string stakeTotal;    // the stake total label of that page
    std::string buildMethod;   // the chosen item of "買い目構築方法"
    std::string pluginFolder;  // Dir/VQMTohyo2 as stored, empty when never set
    bool simulation = false;   // "シミュレーションモード"
};

// A refused vote: in manual mode a message box, in automatic mode one line of the day log (or, for the
// missing plug-in, the same message box).
struct VoteRefusal {
    std::string message;
    std::optional<std::string> logLine;  // automatic mode: the day-log line instead of the message
};

// The first check that fails, in order: no day, no race, a day neither today nor tomorrow, post time
// passed, no complete row to vote (also when every complete row is struck out), no plug-in folder.
std::optional<VoteRefusal> checkVote(const VoteInputs& inputs, const KaimeGrid& grid);
// The checks of the day and the post time alone (the first four of checkVote).
std::optional<VoteRefusal> checkVoteDay(const VoteInputs& inputs);
// The check of the plug-in folder alone (the last of checkVote).
std::optional<VoteRefusal> checkVotePlugin(const VoteInputs& inputs);
// A vote that waited for its hand-over, checked again with the clock and the plug-in folder of then: the
// plug-in folder's message; a day or post time passed meanwhile, or (for `votedMeanwhile`) the race voted
// meanwhile: a message and its "[投票不可]" + time line, made for both modes (a manual vote confirmed
// earlier is recorded too).
std::optional<VoteRefusal> recheckWaitedVote(const VoteInputs& inputs, bool votedMeanwhile);
// The day-log line of a waiting vote given up (a wait that reached its bound, the program closing).
std::string voteWithdrawnLine(const VoteInputs& inputs, const DateTime& now);

// The rows the vote takes: every complete row (columns 3, 5 and 6 not blank) that is not struck out
// ("消" in column 0), from row 1 to the last.
std::vector<VoteRow> votedRows(const KaimeGrid& grid);

// The page labels of the day log: "[一括]", "[単勝]" ... "[３連単]".
std::string votePageLabel(int page);

// The question of a manual vote: "[" + entry + ":]に投票します。実行してよろしいですか？".
std::string voteQuestion(const std::string& raceEntry);

// The day-log block of a vote, its vote-file lines inside the two "***" lines.
std::vector<std::string> voteLogBlock(const VoteInputs& inputs, const std::vector<std::string>& voteLines);

// The day-log line of a start that failed after the vote's block was written:
// "[エラー]" + time + " [" + entry + "]投票プラグインを起動できませんでした: " + the start error.
inline constexpr const char* kVoteStartErrorText = "投票プラグインを起動できませんでした";
std::string voteStartErrorLine(const std::string& raceEntry, const DateTime& now, const std::string& error);

// The end of a run handed a vote file with a non-zero status or by a signal: the error-log text
// "投票プラグインが異常終了しました(終了コード1)" (or "(シグナル9)"), and the day-log line
// "[エラー]" + time + " " + that text + "[" + entry + "]".
inline constexpr const char* kPluginEndErrorText = "投票プラグインが異常終了しました";
std::string pluginEndText(const PluginRunState& end);
std::string pluginEndLine(const std::string& raceEntry, const DateTime& now, const PluginRunState& end);

// The message of a plug-in that could not be started.
inline constexpr const char* kVotePluginStartError =
    "投票プラグイン2の呼び出しでエラーが発生しました。\r\n投票プラグイン2が正しくインストールされているか確認してくださ"
    "い。";

}  // namespace marovix
