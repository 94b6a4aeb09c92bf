// Combination texts and numbers: the examples, the published order of every bet type and the texts that
// are no combination.
#include "core/odds/CombinationNumber.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace marovix::combination_number_test {
namespace {

using CombNo = int (*)(std::string_view);

struct BetTypeNumbers {
    const char* name;
    CombNo combNo;
    int count;
};
const BetTypeNumbers kTypes[] = {
    {"WR", CombNoWR, kCombinationsWR},    {"Pair", CombNoPair, kCombinationsPair}, {"UT", CombNoUT, kCombinationsUT},
    {"SRF", CombNoSRF, kCombinationsSRF}, {"SRT", CombNoSRT, kCombinationsSRT},
};

std::string text(int a, int b) {
    char out[16];
    std::snprintf(out, sizeof out, "%2d-%2d", a, b);
    return out;
}
std::string text(int a, int b, int c) {
    char out[16];
    std::snprintf(out, sizeof out, "%2d-%2d-%2d", a, b, c);
    return out;
}

// The combinations of each bet type in the order the odds records publish them, made by plain nested
// loops: the text of the k-th is at index k - 1.
std::vector<std::string> publishedOrder(const std::string& type) {
    std::vector<std::string> order;
    if (type == "WR") {
        for (int a = 1; a <= 8; ++a)
            for (int b = a; b <= 8; ++b) order.push_back(text(a, b));
    } else if (type == "Pair") {
        for (int a = 1; a <= 18; ++a)
            for (int b = a + 1; b <= 18; ++b) order.push_back(text(a, b));
    } else if (type == "UT") {
        for (int a = 1; a <= 18; ++a)
            for (int b = 1; b <= 18; ++b)
                if (b != a) order.push_back(text(a, b));
    } else if (type == "SRF") {
        for (int a = 1; a <= 18; ++a)
            for (int b = a + 1; b <= 18; ++b)
                for (int c = b + 1; c <= 18; ++c) order.push_back(text(a, b, c));
    } else {
        for (int a = 1; a <= 18; ++a)
            for (int b = 1; b <= 18; ++b)
                for (int c = 1; c <= 18; ++c)
                    if (a != b && a != c && b != c) order.push_back(text(a, b, c));
    }
    return order;
}

// Text to number for every valid text of the bet type.
std::map<std::string, int> validTexts(const std::string& type) {
    std::map<std::string, int> valid;
    const auto order = publishedOrder(type);
    for (std::size_t i = 0; i < order.size(); ++i) valid[order[i]] = static_cast<int>(i) + 1;
    return valid;
}

int expectedNumber(const std::map<std::string, int>& valid, const std::string& candidate) {
    const auto found = valid.find(candidate);
    return found == valid.end() ? 0 : found->second;
}

TEST(CombinationNumber, ExamplesAndEdgeCases) {
    struct Case {
        CombNo combNo;
        const char* type;
        std::string text;
        int number;
    };
    const Case cases[] = {
        {CombNoPair, "Pair", " 1- 2", 1},     {CombNoUT, "UT", " 1- 2", 1},
        {CombNoPair, "Pair", " 2- 1", 0},     {CombNoUT, "UT", " 2- 1", 18},
        {CombNoPair, "Pair", "17-18", 153},   {CombNoUT, "UT", "18-17", 306},
        {CombNoSRF, "SRF", " 1- 2- 3", 1},    {CombNoSRF, "SRF", "16-17-18", 816},
        {CombNoSRF, "SRF", " 3- 2- 1", 0},    {CombNoSRT, "SRT", " 9-18-17", 2448},
        {CombNoSRT, "SRT", "10- 1- 2", 2449}, {CombNoSRT, "SRT", "18-17-16", 4896},
        {CombNoSRT, "SRT", " 1- 2- 1", 0},    {CombNoSRT, "SRT", " 5- 5- 7", 0},
        {CombNoSRF, "SRF", " 5- 7- 7", 0},    {CombNoWR, "WR", " 1- 1", 1},
        {CombNoWR, "WR", " 1- 8", 8},         {CombNoWR, "WR", " 2- 2", 9},
        {CombNoWR, "WR", " 8- 8", 36},        {CombNoWR, "WR", " 1- 9", 0},
        {CombNoWR, "WR", " 9- 9", 0},         {CombNoWR, "WR", " 2- 1", 0},
        {CombNoPair, "Pair", " 1- 1", 0},     {CombNoUT, "UT", " 1- 1", 0},
        {CombNoPair, "Pair", " 1-19", 0},     {CombNoUT, "UT", " 0- 1", 0},
        {CombNoSRT, "SRT", "19- 1- 2", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.combNo(c.text), c.number) << c.type << " \"" << c.text << "\"";
}

// Horses 1 and 2 written without their leading blanks, or with the blank before the first number only,
// are no combination of any bet type.
TEST(CombinationNumber, SingleDigitsWithoutTheirLeadingBlankGiveZeroForEveryBetType) {
    const std::string texts[] = {"1-2", " 1-2", "1- 2", "01-02", "1-2-3", " 1-2- 3", " 1- 2-3", "1- 2- 3", "01-02-03"};
    for (const auto& type : kTypes)
        for (const auto& t : texts) EXPECT_EQ(type.combNo(t), 0) << type.name << " \"" << t << "\"";
}

// Every valid combination of every bet type: its number is its place in the published order, and the
// text helper writes the same text from the numbers.
TEST(CombinationNumber, EveryValidCombinationHasItsPlaceInThePublishedOrder) {
    for (const auto& type : kTypes) {
        const auto order = publishedOrder(type.name);
        ASSERT_EQ(static_cast<int>(order.size()), type.count) << type.name;
        for (std::size_t i = 0; i < order.size(); ++i)
            ASSERT_EQ(type.combNo(order[i]), static_cast<int>(i) + 1) << type.name << " \"" << order[i] << "\"";
    }
    for (int a = 1; a <= 18; ++a)
        for (int b = 1; b <= 18; ++b) {
            ASSERT_EQ(combinationText({a, b}), text(a, b));
            for (int c = 1; c <= 18; ++c) ASSERT_EQ(combinationText({a, b, c}), text(a, b, c));
        }
    EXPECT_EQ(combinationText({7}), " 7");
    EXPECT_EQ(combinationText({3, 11, 7}), " 3-11- 7");
    EXPECT_EQ(combinationText({}), "");
}

// Every text of five characters over blanks, "-", digits and one other character: only the valid
// texts of a pair type have a number.
TEST(CombinationNumber, EveryFiveCharacterTextThatIsNoValidPairGivesZero) {
    const std::string alphabet = " -0123456789*";
    const BetTypeNumbers pairTypes[] = {kTypes[0], kTypes[1], kTypes[2]};
    std::map<std::string, int> valid[3];
    for (int t = 0; t < 3; ++t) valid[t] = validTexts(pairTypes[t].name);
    std::string candidate(5, ' ');
    const std::size_t n = alphabet.size();
    for (std::size_t code = 0; code < n * n * n * n * n; ++code) {
        std::size_t rest = code;
        for (auto& c : candidate) {
            c = alphabet[rest % n];
            rest /= n;
        }
        for (int t = 0; t < 3; ++t)
            ASSERT_EQ(pairTypes[t].combNo(candidate), expectedNumber(valid[t], candidate))
                << pairTypes[t].name << " \"" << candidate << "\"";
    }
    // Triples, the SRT and SRF functions: no five-character text is a triple.
    EXPECT_EQ(CombNoSRF(" 1- 2"), 0);
    EXPECT_EQ(CombNoSRT(" 1- 2"), 0);
}

// Each valid text changed at one character, shortened by one, lengthened by one, or padded: the result
// is a number only when the changed text is itself valid (for the trifecta: its first eight characters).
TEST(CombinationNumber, EveryOneCharacterChangeOfAValidTextIsRejectedUnlessValidItself) {
    const std::string alphabet = " -0123456789*x";
    for (const auto& type : kTypes) {
        const auto valid = validTexts(type.name);
        const bool firstEightOnly = std::string(type.name) == "SRT";
        auto expected = [&](const std::string& candidate) {
            return expectedNumber(valid, firstEightOnly ? candidate.substr(0, 8) : candidate);
        };
        for (const auto& [original, number] : valid) {
            for (std::size_t at = 0; at <= original.size(); ++at) {
                for (char c : alphabet) {
                    std::string changed = original;
                    if (at < original.size()) {
                        changed[at] = c;
                        ASSERT_EQ(type.combNo(changed), expected(changed)) << type.name << " \"" << changed << "\"";
                    }
                    std::string inserted = original;
                    inserted.insert(at, 1, c);
                    ASSERT_EQ(type.combNo(inserted), expected(inserted)) << type.name << " \"" << inserted << "\"";
                }
                if (at < original.size()) {
                    std::string shortened = original;
                    shortened.erase(at, 1);
                    ASSERT_EQ(type.combNo(shortened), 0) << type.name << " \"" << shortened << "\"";
                }
            }
            ASSERT_EQ(type.combNo(" " + original), 0) << type.name;
            ASSERT_EQ(type.combNo(original + std::string(1, '\0')), expected(original + std::string(1, '\0')));
        }
    }
}

// Only the first eight characters of a trifecta text take part; every other bet type needs the exact text.
TEST(CombinationNumber, TrifectaReadsItsFirstEightCharactersOnly) {
    EXPECT_EQ(CombNoSRT(" 1- 2- 3"), 1);
    EXPECT_EQ(CombNoSRT(" 1- 2- 3 "), 1);
    EXPECT_EQ(CombNoSRT("10- 1- 2   12.3"), 2449);
    EXPECT_EQ(CombNoSRT(" 1- 2- "), 0);
    EXPECT_EQ(CombNoSRT(""), 0);
    EXPECT_EQ(CombNoSRF(" 1- 2- 3 "), 0);
    EXPECT_EQ(CombNoPair(" 1- 2 "), 0);
    EXPECT_EQ(CombNoUT(" 1- 2 "), 0);
    EXPECT_EQ(CombNoWR(" 1- 2 "), 0);
    EXPECT_EQ(CombNoPair(" 1 - 2"), 0);
    EXPECT_EQ(CombNoPair(""), 0);
}

}  // namespace
}  // namespace marovix::combination_number_test
