// marovix-cli feedgen: writes a demo feed for the JV-Link stand-in.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "cli/CliApp.h"
#include "standins/feedgen/FeedWriter.h"

namespace marovix {
namespace {

// A date written YYYYMMDD.
DateTime parseDay(const std::string& text, const std::string& option) {
    const auto day = text.size() == 8 ? DateTime::parseCompact(text) : std::nullopt;
    if (!day) throw CLI::ValidationError(option, "dates are written YYYYMMDD, got '" + text + "'");
    return *day;
}

bool folderHasEntries(const std::string& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) &&
           std::filesystem::directory_iterator(folder, ec) != std::filesystem::directory_iterator();
}

struct FeedgenArgs {
    feedgen::FeedOptions options;
    std::string from, to, meetingDays;
    bool overwrite = false;
};

CliRunner defineFeedgen(CLI::App& sub) {
    auto args = std::make_shared<FeedgenArgs>();
    args->options.threads = static_cast<int>(std::min(2u, std::max(1u, std::thread::hardware_concurrency())));
    sub.add_option("--from", args->from, "first day, YYYYMMDD")->required();
    sub.add_option("--to", args->to, "last day, YYYYMMDD")->required();
    sub.add_option("--seed", args->options.seed, "the same seed gives the same bytes")->required();
    sub.add_option("--out", args->options.folder, "the feed folder to write")->required()->type_name("FEED_DIR");
    sub.add_option("--threads", args->options.threads, "days written in parallel")
        ->check(CLI::Range(1, 16))
        ->capture_default_str();
    sub.add_option("--meeting-days", args->meetingDays, "days raced whatever their weekday")->type_name("YYYYMMDD,...");
    sub.add_flag("--overwrite", args->overwrite, "write over a feed already in the folder");
    // Checked before anything is written: a bad argument leaves no folder behind.
    sub.callback([args] {
        FeedgenArgs& a = *args;
        a.options.from = parseDay(a.from, "--from");
        a.options.to = parseDay(a.to, "--to");
        if (a.options.to < a.options.from) throw CLI::ValidationError("--to", "is before --from");
        if (a.options.folder.empty()) throw CLI::ValidationError("--out", "an empty folder name is not allowed");
        if (!a.meetingDays.empty()) {
            std::size_t start = 0;
            while (start <= a.meetingDays.size()) {
                std::size_t comma = a.meetingDays.find(',', start);
                if (comma == std::string::npos) comma = a.meetingDays.size();
                a.options.extraMeetingDays.push_back(
                    parseDay(a.meetingDays.substr(start, comma - start), "--meeting-days"));
                start = comma + 1;
            }
        }
        if (folderHasEntries(a.options.folder) && !a.overwrite)
            throw CLI::ValidationError(
                "--out", a.options.folder + " is not empty (give --overwrite to write over the feed in it)");
    });
    return [args](CliContext&) {
        const auto started = std::chrono::steady_clock::now();
        const auto stats = feedgen::FeedWriter(args->options).write();
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
    };
}

const bool feedgenCommandRegistered = registerCliCommand(
    {"feedgen", "write a demo feed of generated meeting days for the JV-Link stand-in", defineFeedgen});

}  // namespace
}  // namespace marovix
