// The lines of the fetch lists of automatic operation: a race key and a slot.
#include "core/jv/FetchQueue.h"

#include <gtest/gtest.h>

#include "tests/support/DownloadRecords.h"

namespace marovix::fetch_queue_test {
namespace {

TEST(FetchQueue, ALineIsTheRaceKeyAndTheSlotAndReadsBackAsTheFetchUsesIt) {
    const std::string line = fetchQueueLine(raRecord({"20240526", "05", 5}), 4);
    EXPECT_EQ(line, "2024052605010205 4");  // DownloadRecords' meeting and day are 01 and 02
    const FetchQueueEntry entry = fetchQueueEntry(line);
    EXPECT_EQ(entry.key, "2024052605010205");
    EXPECT_EQ(entry.raceLabel, "東京 5");
    EXPECT_EQ(entry.slot, 4);
    EXPECT_EQ(fetchQueueEntry(fetchQueueLine(raRecord({"20240526", "09", 12}), 35)).slot, 35);
    EXPECT_EQ(fetchQueueEntry(fetchQueueLine(raRecord({"20240526", "09", 12}), 35)).raceLabel, "阪神12");
}

TEST(FetchQueue, AShortLineHasNoSlot) {
    const FetchQueueEntry entry = fetchQueueEntry("20240526050102");
    EXPECT_EQ(entry.key, "20240526050102");
    EXPECT_EQ(entry.slot, -1);
    EXPECT_EQ(fetchQueueEntry("").slot, -1);
}

}  // namespace
}  // namespace marovix::fetch_queue_test
