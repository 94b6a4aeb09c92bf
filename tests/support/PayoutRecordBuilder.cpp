#include "tests/support/PayoutRecordBuilder.h"

#include <array>
#include <cstdio>

namespace marovix {
namespace {

struct Layout {
    int start;
    int entries;
    int stride;
    int digits;  // per number
    int numbers;
    int popularityWidth;
};

// win, place, bracket quinella, quinella, quinella place, exacta, trio, trifecta
constexpr std::array<Layout, 8> kLayouts = {{
    {103, 3, 13, 2, 1, 2},
    {142, 5, 13, 2, 1, 2},
    {207, 3, 13, 1, 2, 2},
    {246, 3, 16, 2, 2, 3},
    {294, 7, 16, 2, 2, 3},
    {454, 6, 16, 2, 2, 3},
    {550, 3, 18, 2, 3, 3},
    {604, 6, 19, 2, 3, 4},
}};

const Layout& layoutOf(BetType bet) { return kLayouts[static_cast<std::size_t>(bet)]; }

int entryWidth(const Layout& l) { return l.digits * l.numbers + 9 + l.popularityWidth; }

}  // namespace

PayoutRecordBuilder::PayoutRecordBuilder(std::string_view raceKey16) : m_hr("HR") {
    m_hr.text(1, "HR").text(3, "2").bytes(12, raceKey16);
    for (const BetTypeInfo& bet : kBetTypes) {
        const Layout& l = layoutOf(bet.type);
        for (int e = 0; e < l.entries; ++e) m_hr.fill(l.start + e * l.stride, entryWidth(l), '0');
    }
}

PayoutRecordBuilder& PayoutRecordBuilder::entry(BetType bet, int index, const std::vector<int>& numbers,
                                                long long payout, int popularity) {
    const Layout& l = layoutOf(bet);
    int at = l.start + index * l.stride;
    for (int number : numbers) {
        m_hr.number(at, l.digits, number);
        at += l.digits;
    }
    at = l.start + index * l.stride + l.digits * l.numbers;
    m_hr.number(at, 9, payout).number(at + 9, l.popularityWidth, popularity);
    return *this;
}

PayoutRecordBuilder& PayoutRecordBuilder::blank(BetType bet) {
    const Layout& l = layoutOf(bet);
    m_hr.fill(l.start, l.entries * l.stride, ' ');
    return *this;
}

std::string testRaceKey(int race, std::string_view course) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", race);
    return "20240526" + std::string(course) + "0208" + number;
}

}  // namespace marovix
