#include "core/odds/CombinationNumber.h"

#include <cstdio>

#include "core/race/RaceSlot.h"
#include "core/race/WakuOfUmaban.h"

namespace marovix {
namespace {

constexpr int kHorses = kRunnerSlotCount;
constexpr std::size_t kTripleLength = 8;  // "%2d-%2d-%2d": the part of a trifecta text that counts

// The value of a two-character "%2d" field: " 1" .. " 9" and "10" .. "99"; 0 for any other text ("01",
// "1 ", "  ", " 0").
int fieldValue(char tens, char units) {
    const bool unitDigit = units >= '0' && units <= '9';
    if (!unitDigit) return 0;
    if (tens == ' ') return units - '0';
    if (tens >= '1' && tens <= '9') return (tens - '0') * 10 + (units - '0');
    return 0;
}

// The numbers of a text of exactly `count` fields joined by "-", each within 1..`limit`; false for
// anything else.
bool readNumbers(std::string_view text, int count, int limit, int* out) {
    if (text.size() != static_cast<std::size_t>(count) * 3 - 1) return false;
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) * 3;
        if (i > 0 && text[at - 1] != '-') return false;
        out[i] = fieldValue(text[at], text[at + 1]);
        if (out[i] < 1 || out[i] > limit) return false;
    }
    return true;
}

int choose2(int n) { return n * (n - 1) / 2; }
int choose3(int n) { return n * (n - 1) * (n - 2) / 6; }

}  // namespace

int CombNoWR(std::string_view text) {
    int n[2];
    if (!readNumbers(text, 2, kBracketCount, n) || n[0] > n[1]) return 0;
    const int a = n[0], b = n[1];
    return (a - 1) * kBracketCount - (a - 1) * (a - 2) / 2 + (b - a) + 1;
}

int CombNoPair(std::string_view text) {
    int n[2];
    if (!readNumbers(text, 2, kHorses, n) || n[0] >= n[1]) return 0;
    const int a = n[0], b = n[1];
    return (a - 1) * kHorses - (a - 1) * a / 2 + (b - a);
}

int CombNoUT(std::string_view text) {
    int n[2];
    if (!readNumbers(text, 2, kHorses, n) || n[0] == n[1]) return 0;
    const int a = n[0], b = n[1];
    return (a - 1) * (kHorses - 1) + (b < a ? b : b - 1);
}

int CombNoSRF(std::string_view text) {
    int n[3];
    if (!readNumbers(text, 3, kHorses, n) || n[0] >= n[1] || n[1] >= n[2]) return 0;
    const int a = n[0], b = n[1], c = n[2];
    // Triples whose first horse is below a, then those with first a and second below b, then c's place.
    const int firstBelow = choose3(kHorses) - choose3(kHorses + 1 - a);
    const int secondBelow = choose2(kHorses - a) - choose2(kHorses + 1 - b);
    return firstBelow + secondBelow + (c - b);
}

int CombNoSRT(std::string_view text) {
    int n[3];
    if (!readNumbers(text.substr(0, kTripleLength), 3, kHorses, n)) return 0;
    const int a = n[0], b = n[1], c = n[2];
    if (a == b || a == c || b == c) return 0;
    const int second = b < a ? b : b - 1;
    const int third = c - (a < c ? 1 : 0) - (b < c ? 1 : 0);  // rank among the 16 horses left
    return (a - 1) * (kHorses - 1) * (kHorses - 2) + (second - 1) * (kHorses - 2) + third;
}

std::string combinationText(std::span<const int> numbers) {
    // Written by hand: the builders, the payout summary and the hit judgement form thousands a day.
    std::string text;
    text.reserve(numbers.size() * 3);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) text += '-';
        const int number = numbers[i];
        if (number >= 0 && number <= 99) {
            text += number < 10 ? ' ' : static_cast<char>('0' + number / 10);
            text += static_cast<char>('0' + number % 10);
        } else {
            char field[16];
            std::snprintf(field, sizeof field, "%2d", number);
            text += field;
        }
    }
    return text;
}

std::string combinationText(std::initializer_list<int> numbers) {
    return combinationText(std::span<const int>(numbers.begin(), numbers.size()));
}

}  // namespace marovix
