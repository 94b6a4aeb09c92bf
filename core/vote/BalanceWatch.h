#pragma once
// The IPAT balance watch: the system learns the balance only from the vote plug-in, which it starts with
// the balance parameter and whose balance file it reads 2.0 and 2.5 seconds later; at 3.0 seconds the
// query ends with a day-log line and, in automatic operation, the stop rule. What the watch decides is
// here; the main model starts the plug-in, reads the file and writes the logs.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/MainLabels.h"
#include "core/common/Result.h"
#include "core/common/Yen.h"
#include "core/race/RaceSlot.h"
#include "core/vote/NaviQuitRule.h"

namespace marovix {

// IPATBalanceLabel: light grey while a query runs, pale yellow when it has ended.
inline constexpr Rgb kBalanceQueryingColor = 0xC0C0C0;
inline constexpr Rgb kBalanceShownColor = 0xFFFFAC;

// The follow-up of a query (ZanDakaTimer, every 500 ms): the step counter is 0 when idle, 1 when the query
// starts and raised by each tick. A query started while one runs starts the counter at 1 again.
class BalanceQuery {
public:
    enum class Tick {
        Wait,         // nothing to do at this step
        ReadBalance,  // steps 5 and 6 (2.0 s and 2.5 s): read the balance file, show a text it gives
        Finish,       // step 7 (3.0 s): the query ends; the counter is 0 again and the timer stops
    };
    void start() { m_step = 1; }
    bool running() const { return m_step > 0; }
    int step() const { return m_step; }
    // One tick of ZanDakaTimer. REQUIRES: running().
    Tick tick();

private:
    int m_step = 0;
};

// The balance label's text read as a whole number of yen: a plain integer (blanks around it allowed);
// anything else counts as 0, so a floor rule ends automatic operation on a balance that cannot be read.
Yen balanceAmount(std::string_view text);

// The day-log lines of an ended query: "-----" and "■IPAT残高[" + INET-ID + "]:" + balance + "円 " +
// "yyyy/mm/dd hh:nn:ss".
std::vector<std::string> balanceLogLines(std::string_view inetId, std::string_view balance, const DateTime& now);

// The day-log lines that end automatic operation after a query, or nothing when the rule does not fire:
// "-----", "■自動運転終了 " + date-time, and "◇IPAT残高が目標金額を超えました[" (or
// "◇IPAT残高が指定金額を下回りました[") + INET-ID + "]:" + balance + "円 (指定金額：" + limit + "円)".
std::optional<std::vector<std::string>> stopRuleLines(const NaviQuitRule& rule, std::string_view inetId,
                                                      std::string_view balance, const DateTime& now);

// The IPAT log tab (LogUpdateBtn): the lines of the plug-in's log of the race day `dateKey` ("yyyymmdd"),
// converted from Shift-JIS; nothing when the file does not exist, an error (to show) when it exists but
// cannot be read.
Result<std::optional<std::vector<std::string>>> readIpatLog(std::string_view pluginFolder, std::string_view dateKey);

}  // namespace marovix
