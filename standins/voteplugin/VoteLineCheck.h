#pragma once
// The vote plug-in stand-in's check of one vote-file line: seven fields, each followed by a comma:
// date (yyyymmdd, a real date), course code 01-10, race 01-12, bet-type code (TAN ... SANTAN),
// "NORMAL", stake (a positive multiple of 100 yen) and a combination that fits the bet type.
#include <cstdint>
#include <string>
#include <string_view>

namespace marovix {

struct VoteLineVerdict {
    bool accepted = false;
    std::string reason;      // why the line is refused (UTF-8); empty when accepted
    std::int64_t stake = 0;  // yen, when accepted
};

// REQUIRES: the line is ASCII without its line end (the file check comes first).
VoteLineVerdict checkVoteLine(std::string_view line);

}  // namespace marovix
