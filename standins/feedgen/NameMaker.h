#pragma once
// Names for the demo: horse names from katakana pieces, race names, and fixed tables of fictitious
// jockeys and trainers (short names of at most four full-width characters).
#include <string>

#include "standins/feedgen/Prng.h"

namespace marovix::feedgen {

class NameMaker {
public:
    // A horse name of 2 to 9 full-width katakana characters (UTF-8).
    static std::string horseName(Prng& prng);
    // The leading word of a special race's name (two kanji, UTF-8).
    static std::string raceWord(Prng& prng);

    static int jockeyCount();
    static int trainerCount();
    // UTF-8 short names; REQUIRES an index below the count.
    static const std::string& jockeyName(int index);
    static const std::string& trainerName(int index);
    // The same as CP932 bytes padded with full-width spaces to the 8 bytes of a runner record field.
    static const std::string& jockeyField(int index);
    static const std::string& trainerField(int index);

    // Number of characters of a UTF-8 text.
    static int characters(const std::string& utf8);
};

// CP932 bytes padded with full-width spaces (an odd remainder with one blank) to `bytes`. REQUIRES: the
// text is not longer.
std::string padFullWidth(std::string cp932, int bytes);
// CP932 bytes of a text padded with full-width spaces (odd remainders with one blank) to `bytes`;
// a longer text is cut at a character boundary.
std::string fullWidthField(const std::string& utf8, int bytes);

}  // namespace marovix::feedgen
