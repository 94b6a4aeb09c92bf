// marovix-cli feedgen: writes a demo feed for the JV-Link stand-in.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "cli/CliApp.h"
#include "standins/feedgen/FeedWriter.h"

namespace marovix {
namespace {

constexpr const char* kUsage =
    "feedgen --from YYYYMMDD --to YYYYMMDD --seed N --out FEED_DIR [--threads N] [--meeting-days YYYYMMDD,...] "
    "[--overwrite]";

int fail(const std::string& message) {
    std::fprintf(stderr, "feedgen: %s\nusage: marovix-cli %s\n", message.c_str(), kUsage);
    return 2;
}

bool parseNumber(const std::string& text, unsigned long long& value) {
    if (text.empty() || text.size() > 19) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned long long>(c - '0');
    }
    return true;
}

bool folderHasEntries(const std::string& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) &&
           std::filesystem::directory_iterator(folder, ec) != std::filesystem::directory_iterator();
}

int runFeedgen(const CliArgs& args) {
    const auto unknown = args.unknown(
        {"--from", "--to", "--seed", "--out", "--threads", "--meeting-days", "--app-folder"}, {"--overwrite"});
    if (!unknown.empty()) return fail("unknown argument " + unknown.front());
    const auto from = args.option("--from"), to = args.option("--to"), seed = args.option("--seed"),
               out = args.option("--out");
    if (!from || !to || !seed || !out) return fail("--from, --to, --seed and --out are required");
    const auto fromDate = from->size() == 8 ? DateTime::parseCompact(*from) : std::nullopt;
    const auto toDate = to->size() == 8 ? DateTime::parseCompact(*to) : std::nullopt;
    if (!fromDate || !toDate) return fail("dates are written YYYYMMDD");
    if (*toDate < *fromDate) return fail("--to is before --from");
    unsigned long long seedValue = 0;
    if (!parseNumber(*seed, seedValue)) return fail("--seed takes a whole number");
    unsigned long long threads = std::min(2u, std::max(1u, std::thread::hardware_concurrency()));
    if (auto t = args.option("--threads"); t && (!parseNumber(*t, threads) || threads < 1 || threads > 16))
        return fail("--threads takes 1 to 16");
    if (folderHasEntries(*out) && !args.flag("--overwrite"))
        return fail(*out + " is not empty (give --overwrite to write over the feed in it)");

    feedgen::FeedOptions options;
    if (auto extra = args.option("--meeting-days")) {
        std::size_t start = 0;
        while (start <= extra->size()) {
            std::size_t comma = extra->find(',', start);
            if (comma == std::string::npos) comma = extra->size();
            const std::string text = extra->substr(start, comma - start);
            const auto day = text.size() == 8 ? DateTime::parseCompact(text) : std::nullopt;
            if (!day) return fail("--meeting-days takes dates YYYYMMDD separated by commas");
            options.extraMeetingDays.push_back(*day);
            start = comma + 1;
        }
    }
    options.from = *fromDate;
    options.to = *toDate;
    options.seed = seedValue;
    options.folder = *out;
    options.threads = static_cast<int>(threads);
    const auto started = std::chrono::steady_clock::now();
    const auto stats = feedgen::FeedWriter(options).write();
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
    if (!stats) {
        std::fprintf(stderr, "feedgen: %s\n", stats.error().c_str());
        return 1;
    }
    std::printf(
        "feedgen: %d meeting day%s, %d races, %lld records (stored %lld, real-time %lld, companion odds lines "
        "%lld), %lld files, %lld MB in %lld.%03lld s\n",
        stats->days, stats->days == 1 ? "" : "s", stats->races, stats->records(), stats->storedRecords,
        stats->realtimeRecords, stats->companionRecords, stats->files, stats->bytes / 1000000,
        static_cast<long long>(millis / 1000), static_cast<long long>(millis % 1000));
    return 0;
}

const bool registered = registerCliCommand({"feedgen", kUsage, runFeedgen});

}  // namespace
}  // namespace marovix
