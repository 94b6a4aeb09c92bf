#include "core/race/RecordFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/race/JvRecord.h"
#include "core/race/RecordLayout.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::record_fields_test {
namespace {

// What is wrong with one table of fields for a record of `length` bytes (CR LF included): a field that
// is empty or lies outside the record's bytes before the CR LF, entries of a list that overlap, or two
// fields (entries included) sharing a byte. A compound field (a key over its parts) only has to lie
// inside the record. With `everyByte`, a byte after the type that no field holds is a fault too.
std::vector<std::string> tableProblems(const std::vector<NamedField>& fields, int length, bool everyByte) {
    std::vector<std::string> problems;
    const int body = length - 2;
    std::vector<std::string> owner(static_cast<std::size_t>(body + 1));
    for (const auto& named : fields) {
        const RepeatedField& f = named.field;
        const std::string name(named.name);
        if (f.length < 1 || f.count < 1) {
            problems.push_back(name + " is empty");
            continue;
        }
        if (f.count > 1 && f.stride < f.length) problems.push_back(name + ": its entries overlap");
        if (f.position < 1 || f.end() - 1 > body) {
            problems.push_back(name + " lies outside the " + std::to_string(body) + " bytes before the CR LF");
            continue;
        }
        if (named.compound) continue;
        for (int k = 0; k < f.count; ++k) {
            const RecordField entry = f.at(k);
            for (int p = entry.position; p < entry.end(); ++p) {
                std::string& at = owner[static_cast<std::size_t>(p)];
                if (!at.empty() && at != name) {
                    problems.push_back(name + " entry " + std::to_string(k) + " shares byte " + std::to_string(p) +
                                       " with " + at);
                    k = f.count;  // one report per field
                    break;
                }
                at = name;
            }
        }
    }
    if (everyByte)
        for (int p = 1; p <= body; ++p)
            if (owner[static_cast<std::size_t>(p)].empty()) {
                problems.push_back("byte " + std::to_string(p) + " belongs to no field");
                break;
            }
    return problems;
}

std::vector<NamedField> fieldsOf(const FieldTable& table) {
    std::vector<NamedField> fields;
    for (const auto& list : table.lists) fields.insert(fields.end(), list.begin(), list.end());
    return fields;
}

// RA and SE are described only where the program or the generator uses them; every other table covers
// its whole record.
bool fullyDescribed(std::string_view type) { return type != RaField::type && type != SeField::type; }

TEST(RecordFields, EveryFieldLiesInsideItsRecordAndNoTwoShareAByte) {
    for (const auto& table : kFieldTables) {
        SCOPED_TRACE(std::string(table.type));
        const auto length = recordLength(table.type);
        ASSERT_TRUE(length.has_value());
        EXPECT_EQ(tableProblems(fieldsOf(table), *length, fullyDescribed(table.type)), std::vector<std::string>{});
    }
}

TEST(RecordFields, TheCheckFindsOverlapsStraysAndGaps) {
    const std::vector<NamedField> overlapping = {
        {"a", RecordField{28, 4}}, {"b", RecordField{31, 2}}, {"key", RecordField{12, 16}, true}};
    EXPECT_EQ(tableProblems(overlapping, 45, false), std::vector<std::string>{"b entry 0 shares byte 31 with a"});
    const std::vector<NamedField> entries = {{"list", RepeatedField{28, 4, 3, 2}}};
    EXPECT_EQ(tableProblems(entries, 45, false).at(0), "list: its entries overlap");
    const std::vector<NamedField> stray = {{"tail", RecordField{42, 3}}};
    EXPECT_EQ(tableProblems(stray, 45, false),
              std::vector<std::string>{"tail lies outside the 43 bytes before the CR LF"});
    const std::vector<NamedField> gap = {{"head", RecordField{1, 40}}, {"end", RecordField{42, 2}}};
    EXPECT_EQ(tableProblems(gap, 45, true), std::vector<std::string>{"byte 41 belongs to no field"});
}

TEST(RecordFields, EveryStoredTypeHasATableAndEveryTableAKnownType) {
    std::set<std::string_view> tables;
    for (const auto& table : kFieldTables) {
        EXPECT_TRUE(tables.insert(table.type).second) << table.type << " twice";
        EXPECT_TRUE(recordLayout(table.type).has_value()) << table.type;
    }
    for (const auto& layout : kRecordLayouts) {
        if (!layout.stored) continue;
        EXPECT_TRUE(tables.count(layout.type)) << layout.type << " is stored but has no table";
    }
    EXPECT_TRUE(tables.count("JC") && tables.count("CC"));
}

TEST(RecordFields, EntriesCountFromZeroAndAnIndexOutsideTheListReadsNothing) {
    const RepeatedField& time = DmField::predictedTime;
    EXPECT_EQ(time.at(0), (RecordField{34, 5}));
    EXPECT_EQ(time.at(17), (RecordField{34 + 15 * 17, 5}));
    EXPECT_EQ(time.end(), 34 + 15 * 17 + 5);
    EXPECT_EQ(time.at(18), (RecordField{0, 0}));
    EXPECT_EQ(time.at(-1), (RecordField{0, 0}));

    // Entry k of the DM record is horse k + 1: its predicted time is read through the named list.
    RecordBuilder dm(DmField::type);
    dm.number(DmField::predictedTime.at(4), 12345);
    EXPECT_EQ(fieldNumber(dm.record(), DmField::predictedTime.at(4)), 12345);
    EXPECT_EQ(fieldText(dm.record(), 34 + 15 * 4, 5), "12345");  // horse 5's entry starts at 94
    EXPECT_EQ(fieldText(dm.record(), DmField::predictedTime.at(18)), "");
    EXPECT_EQ(fieldNumber(dm.record(), DmField::predictedTime.at(18)), 0);
    EXPECT_THROW(dm.number(DmField::predictedTime.at(18), 1), std::out_of_range);
}

TEST(RecordFields, PayoutListsInBetTypeOrder) {
    const PayoutList expected[] = {HrField::win,      HrField::place,         HrField::bracketQuinella,
                                   HrField::quinella, HrField::quinellaPlace, HrField::exacta,
                                   HrField::trio,     HrField::trifecta};
    ASSERT_EQ(HrField::inBetTypeOrder.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(HrField::inBetTypeOrder[i].combination, expected[i].combination) << i;
        // Entries of later bet types follow those of earlier ones.
        if (i > 0) {
            EXPECT_GE(expected[i].combination.position, expected[i - 1].popularity.end()) << i;
        }
    }
}

}  // namespace
}  // namespace marovix::record_fields_test
