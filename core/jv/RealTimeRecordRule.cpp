#include "core/jv/RealTimeRecordRule.h"

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RunnerFile.h"

namespace marovix {
namespace {

struct StreamInfo {
    RealTimeStream stream;
    std::string_view dataspec;
    int readSize;
};

constexpr StreamInfo kStreams[] = {
    {RealTimeStream::Odds, "0B30", 100000},      {RealTimeStream::Results, "0B12", 60000},
    {RealTimeStream::TimeMining, "0B13", 60000}, {RealTimeStream::MatchMining, "0B17", 60000},
    {RealTimeStream::Changes, "0B14", 60000},
};

struct FetchRule {
    RealTimeStream stream;
    std::string_view type;
    std::string_view refusedKinds;  // data kinds (position 3) never taken
    std::string_view extension;
    bool runnerFile;
    bool existingFileOnly;
    bool zero;
    bool drop;
    LineKey key = raceLineKey;
    bool changeFile = false;  // into the change folder
    bool anyRace = false;     // taken without a race number (a course's weather and going)
};

constexpr FetchRule kRules[] = {
    {RealTimeStream::Odds, O1Field::type, "09", ".jvO1", false, false, true, true},
    {RealTimeStream::Odds, O2Field::type, "09", ".jvO2", false, false, true, true},
    {RealTimeStream::Odds, O3Field::type, "09", ".jvO3", false, false, true, true},
    {RealTimeStream::Odds, O4Field::type, "09", ".jvO4", false, false, true, true},
    {RealTimeStream::Odds, O5Field::type, "09", ".jvO5", false, false, true, true},
    {RealTimeStream::Odds, O6Field::type, "09", ".jvO6", false, false, true, true},
    {RealTimeStream::Results, RaField::type, "", ".jvRA", false, true, true, true},
    {RealTimeStream::Results, SeField::type, "", ".jvSEr", true, true, false, false},
    {RealTimeStream::Results, HrField::type, "", ".jvHR", false, false, false, false},
    {RealTimeStream::TimeMining, DmField::type, "", ".jvDM", false, false, false, true},
    {RealTimeStream::MatchMining, TmField::type, "", ".jvTM", false, false, true, true},
    {RealTimeStream::Changes, WeField::type, "", ".WE", false, false, false, false, weLineKey, true, true},
    {RealTimeStream::Changes, AvField::type, "", ".AV", false, false, false, true, avLineKey, true},
    {RealTimeStream::Changes, TcField::type, "", ".TC", false, false, false, true, tcLineKey, true},
};

const FetchRule* ruleOf(RealTimeStream stream, std::string_view type) {
    for (const auto& rule : kRules)
        if (rule.stream == stream && rule.type == type) return &rule;
    return nullptr;
}

const StreamInfo& infoOf(RealTimeStream stream) {
    for (const auto& info : kStreams)
        if (info.stream == stream) return info;
    return kStreams[0];
}

bool taken(const FetchRule& rule, std::string_view record) {
    std::string_view kind = fieldText(record, IdField::dataKind);
    if (!kind.empty() && rule.refusedKinds.find(kind) != std::string_view::npos) return false;
    if (!rule.anyRace && fieldNumber(record, IdField::raceNumber) <= 0) return false;
    // The runner file has a line for races 1 to 12 and horses 1 to 18 only.
    return !rule.runnerFile || runnerLineIndex(record).has_value();
}

}  // namespace

std::string_view realTimeDataspec(RealTimeStream stream) { return infoOf(stream).dataspec; }

int realTimeReadSize(RealTimeStream stream) { return infoOf(stream).readSize; }

RecordDecision decideRealTimeRecord(RealTimeStream stream, std::string_view record) {
    const FetchRule* rule = ruleOf(stream, fieldText(record, IdField::recordType));
    if (!rule) return {};
    const StoreShape shape{rule->type, rule->extension, rule->runnerFile, rule->zero, rule->drop};
    RecordDecision decision = decideStored(record, shape, [&] { return taken(*rule, record); });
    if (decision.outcome != RecordDecision::Outcome::Store) return decision;
    decision.existingFileOnly = rule->existingFileOnly;
    decision.key = rule->key;
    decision.changeFile = rule->changeFile;
    return decision;
}

}  // namespace marovix
