#include "core/strategy/KenshoModel.h"

#include "core/common/Cp932.h"
#include "core/common/Format.h"
#include "core/common/TextFile.h"
#include "core/race/KeibaFunc.h"

namespace marovix {
namespace {

constexpr std::string_view kHeadings[] = {"年",    "月",   "日",   "場所",     "回",      "日",   "R",
                                          "ﾚｰｽ名", "頭",   "GR",   "競走種",   "条件",    "重量", "TR",
                                          "距離",  "馬場", "点数", "投票金額", "回収金額"};
static_assert(std::size(kHeadings) == kKenshoColumnCount);

std::string twoWide(int value) { return formatted("%2d", value); }

// The first character of the track's name: "芝" for 10-22, "ダ" for 23-29, "障" for 51-59.
std::string trackCharacter(int code) {
    if (code >= 10 && code <= 22) return "芝";
    if (code >= 23 && code <= 29) return "ダ";
    if (code >= 51 && code <= 59) return "障";
    return {};
}

}  // namespace

std::string_view kenshoHeading(KenshoColumn column) {
    const auto index = static_cast<std::size_t>(column);
    return index < std::size(kHeadings) ? kHeadings[index] : std::string_view();
}

std::vector<std::string> kenshoRow(const SimulationRecord& r) {
    const std::string track = trackCharacter(r.number(SimField::trackCode));
    std::string going;
    if (track == "芝") going = GoingText(r.field(SimField::turfGoingCode), 0);
    if (track == "ダ") going = GoingText(r.field(SimField::dirtGoingCode), 0);
    const RaceFigures figures = r.figures();
    return {std::string(r.field(SimField::year)),
            twoWide(r.number(SimField::month)),
            twoWide(r.number(SimField::day)),
            CourseName(r.field(SimField::courseCode)),
            twoWide(r.number(SimField::meetingNumber)),
            twoWide(r.number(SimField::dayNumber)),
            twoWide(r.number(SimField::raceNumber)),
            cp932ToUtf8(r.field(SimField::shortName)),
            twoWide(r.number(SimField::registeredRunners)),
            GradeText(r.field(SimField::gradeCode), 8),
            RaceTypeText(r.field(SimField::raceTypeCode), 4),
            ClassText(r.field(SimField::conditionCode)),
            WeightRuleText(r.field(SimField::weightRuleCode)),
            track,
            formatted("%4d", r.number(SimField::distance)),
            going,
            formatted("%4lld", static_cast<long long>(figures.count)),
            formatted("%10lld", static_cast<long long>(figures.stake)),
            formatted("%10lld", static_cast<long long>(figures.returns))};
}

KenshoModel::KenshoModel(std::string workFile) : m_workFile(std::move(workFile)), m_grid(2, kKenshoColumnCount) {
    for (int c = 0; c < kKenshoColumnCount; ++c)
        m_grid.setCell(c, 0, std::string(kenshoHeading(static_cast<KenshoColumn>(c))));
}

void KenshoModel::emptyGrid() {
    m_grid.clearBody();
    m_grid.setRowCount(2);
    m_passing.clear();
}

void KenshoModel::prepareForSimulation() {
    emptyGrid();
    m_filter = RaceAttributeFilter();
}

void KenshoModel::ReadDataBtnClick() {
    // 1. The labels emptied, the button disabled while the records are read.
    m_dataSu.clear();
    m_tekichuR.clear();
    m_kaishuR.clear();
    m_notice.clear();
    if (!fileExists(m_workFile)) return;
    const Result<std::string> bytes = readFileBytes(m_workFile);
    if (!bytes) {
        m_notice = "検証データ(tmpData.dat)を読み込めませんでした。\r\n" + bytes.error();
        return;
    }
    m_readDataEnabled = false;
    // 2. The grid down to its heading row and one empty row; the records from the last to the first.
    emptyGrid();
    std::size_t shortTail = 0;
    const std::vector<SimulationRecord> records = simulationRecords(*bytes, &shortTail);
    if (shortTail > 0)
        m_notice = "検証データ(tmpData.dat)の末尾に欠けたレコードがあります(" + std::to_string(shortTail) +
                   "バイト)。欠けたレコードは検証に含めていません。";
    std::int64_t dataCount = 0, hits = 0, stakes = 0, returns = 0;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        // 3. The lists and the distance range.
        if (!m_filter.passes(record->attributes())) continue;
        // 4. Its row (the first row is the empty one the grid keeps).
        const int row = m_passing.empty() ? 1 : m_grid.rowCount();
        if (row >= m_grid.rowCount()) m_grid.setRowCount(row + 1);
        const std::vector<std::string> cells = kenshoRow(*record);
        for (int c = 0; c < kKenshoColumnCount; ++c) m_grid.setCell(c, row, cells[static_cast<std::size_t>(c)]);
        m_passing.push_back(*record);
        // 5. A record with selections counts.
        const RaceFigures figures = record->figures();
        if (figures.count >= 1) {
            ++dataCount;
            stakes += figures.stake;
            returns += figures.returns;
            if (figures.returns > 0) ++hits;
            m_dataSu = formatted("%10lld", static_cast<long long>(dataCount));
        }
        if (m_eventPump) m_eventPump();
    }
    // 6. The rates; a stake sum of 0 leaves the return rate undefined, shown as "-".
    if (dataCount > 0) {
        m_tekichuR = formatted("%10.1f", static_cast<double>(hits) / static_cast<double>(dataCount) * 100.0);
        m_kaishuR = stakes != 0
                        ? formatted("%10.1f", static_cast<double>(returns) / static_cast<double>(stakes) * 100.0)
                        : formatted("%10s", "-");
    }
    // 7. The button enabled again.
    m_readDataEnabled = true;
}

std::vector<CumulativePoint> KenshoModel::cumulative() const {
    std::vector<CumulativePoint> points;
    CumulativePoint sum;
    for (auto record = m_passing.rbegin(); record != m_passing.rend(); ++record) {
        const RaceFigures figures = record->figures();
        if (figures.count < 1) continue;
        sum.stake += figures.stake;
        sum.returns += figures.returns;
        points.push_back(sum);
    }
    return points;
}

}  // namespace marovix
