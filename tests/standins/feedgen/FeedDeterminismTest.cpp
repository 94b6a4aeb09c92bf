// The same seed gives the same bytes, whatever the number of threads; another seed gives others.
#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "standins/feedgen/FeedWriter.h"
#include "tests/standins/feedgen/FeedReading.h"
#include "tests/support/TempFolder.h"

namespace marovix::feedgen::feed_determinism_test {
namespace {

std::map<std::string, std::string> writeFeed(const TempFolder& folder, std::uint64_t seed, int threads) {
    FeedOptions options;
    options.from = {2024, 6, 8};  // a Saturday
    options.to = {2024, 6, 8};
    options.seed = seed;
    options.folder = folder.path();
    options.threads = threads;
    auto stats = FeedWriter(options).write();
    EXPECT_TRUE(stats.ok()) << stats.error();
    std::map<std::string, std::string> files;
    for (const auto& file : feedtest::filesBelow(folder.path())) files[file] = *readFileBytes(folder.file(file));
    return files;
}

TEST(FeedDeterminism, SameSeedSameBytesAnotherSeedOthers) {
    TempFolder first, second, third;
    const auto a = writeFeed(first, 11, 1);
    const auto b = writeFeed(second, 11, 2);
    const auto c = writeFeed(third, 12, 1);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == b);
    std::size_t differing = 0, shared = 0;
    for (const auto& [name, bytes] : a) {
        const auto other = c.find(name);
        if (other == c.end()) continue;
        ++shared;
        differing += other->second != bytes;
    }
    // The calendar and file names hardly move with the seed; the contents do.
    EXPECT_GT(shared, 0u);
    EXPECT_GT(differing, shared * 9 / 10);
}

}  // namespace
}  // namespace marovix::feedgen::feed_determinism_test
