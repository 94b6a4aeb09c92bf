#pragma once
// Calls of the JV-Link stand-in that must fail on purpose, as listed in the feed folder's "faults.txt".
// One rule per line, "#" starts a comment:
//   OPERATION CODE [DATASPEC] [after N]
// The rule makes OPERATION (a JV-Link operation name) return CODE, only for streams of DATASPEC when
// one is given (a dataspec the stand-in serves), once N calls have gone through normally (for JVRead: N
// records were returned). JVRead takes no positive CODE: that would be a record it never read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marovix {

class FeedFaults {
public:
    struct Rule {
        std::string operation;
        int code = 0;
        std::string dataspec;  // empty: any
        int after = 0;
        int passed = 0;  // calls that went through normally so far
    };

    // Parses the rules of a faults file. Lines that are no rule are skipped and listed in problems().
    static FeedFaults parse(std::string_view text);

    // The code the call must fail with: the first matching rule whose allowance is used up.
    std::optional<int> failure(std::string_view operation, std::string_view dataspec) const;
    // Counts a call that went through normally against every matching rule.
    void passed(std::string_view operation, std::string_view dataspec);
    // Starts the count of `operation`'s rules again (JVRead and JVStatus count per stream).
    void restart(std::string_view operation);

    const std::vector<Rule>& rules() const { return m_rules; }
    // "line N: TEXT" for each line that is not a rule.
    const std::vector<std::string>& problems() const { return m_problems; }

private:
    std::vector<Rule> m_rules;
    std::vector<std::string> m_problems;
};

}  // namespace marovix
