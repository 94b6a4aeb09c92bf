// The keys of the lines of the day files and the change files: which records replace one another.
#include "core/race/LineKeys.h"

#include <gtest/gtest.h>

#include <string>

#include "core/jv/DayDataFile.h"
#include "tests/support/ChangeRecords.h"
#include "tests/support/DownloadRecords.h"

namespace marovix::line_keys_test {
namespace {

const RaceId kRace3{"20240106", "05", 3};  // 東京 race 3

struct KeyCase {
    const char* what;
    LineKey key;
    std::string line;
    std::string expected;
};

TEST(LineKeysTest, EachFileKeysItsLinesByItsOwnPositions) {
    const KeyCase cases[] = {
        {"RA: 12-27", raceLineKey, recordLine(raRecord(kRace3)), "2024010605010203"},
        {"WE: 12-34", weLineKey, recordLine(weRecord("20240106", "05", "01061005", 3)), "20240106050102010610053"},
        {"AV: 12-27, 36-37", avLineKey, recordLine(avRecord(kRace3, 7, "01061005")), "202401060501020307"},
        {"TC: 12-27", tcLineKey, recordLine(tcRecord(kRace3, 1550, "01061005")), "2024010605010203"},
        {"a short line keeps what it has", tcLineKey, "TC12024010520240106", "20240106"},
        {"no key in an empty line", weLineKey, "", ""},
        {"AV: a short race part is padded", avLineKey, "AV120240105202401060501",
         "202401060501" + std::string(4, '\0')},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(c.key(c.line), c.expected) << c.what;
}

TEST(LineKeysTest, ALaterAnnouncementOfTheSameThingHasTheSameKey) {
    const Stamp early{'1', "20240106"}, late{'2', "20240107"};
    // A scratch: the same horse of the same race, whenever announced; another horse is another line.
    EXPECT_EQ(avLineKey(avRecord(kRace3, 7, "01061005", early)), avLineKey(avRecord(kRace3, 7, "01061220", late)));
    EXPECT_NE(avLineKey(avRecord(kRace3, 7, "01061005")), avLineKey(avRecord(kRace3, 8, "01061005")));
    EXPECT_NE(avLineKey(avRecord(kRace3, 7, "01061005")), avLineKey(avRecord({"20240106", "05", 4}, 7, "01061005")));
    // A post-time change: one line per race.
    EXPECT_EQ(tcLineKey(tcRecord(kRace3, 1550, "01061005", 1540, early)),
              tcLineKey(tcRecord(kRace3, 1600, "01061300", 1550, late)));
    EXPECT_NE(tcLineKey(tcRecord(kRace3, 1550, "01061005")),
              tcLineKey(tcRecord({"20240106", "06", 3}, 1550, "01061005")));
    // Weather and going: every announcement is a line of its own, and so is each kind at one moment; the
    // same announcement delivered again replaces its line.
    EXPECT_NE(weLineKey(weRecord("20240106", "05", "01061005", 3)),
              weLineKey(weRecord("20240106", "05", "01061240", 3)));
    EXPECT_NE(weLineKey(weRecord("20240106", "05", "01061005", 2)),
              weLineKey(weRecord("20240106", "05", "01061005", 3)));
    EXPECT_EQ(weLineKey(weRecord("20240106", "05", "01061005", 3, 1, 2, 2, early)),
              weLineKey(weRecord("20240106", "05", "01061005", 3, 1, 3, 3, late)));
}

}  // namespace
}  // namespace marovix::line_keys_test
