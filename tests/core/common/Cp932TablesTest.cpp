// The characters where the CP932 tables of the two systems could part: the row-1 symbols that Shift_JIS
// tables map to other code points (wave dash, double vertical line, minus, cent, pound, not), and the
// NEC and IBM extensions that hold one character under two or three codes. The day files and the
// settings written on one system are read on the other, so what each system does is pinned here.
#include <gtest/gtest.h>

#include <string>

#include "core/common/Cp932.h"

namespace marovix {
namespace {

struct Decoded {
    const char* cp932;
    const char* utf8;
};

// Every code decodes to the same character on both systems.
const Decoded kDecoded[] = {
    {"\x81\x60", "～"}, {"\x81\x61", "∥"}, {"\x81\x7C", "－"}, {"\x81\x91", "￠"}, {"\x81\x92", "￡"},
    {"\x81\xCA", "￢"}, {"\x87\x40", "①"}, {"\x87\x54", "Ⅰ"},  {"\xEE\xF9", "￢"}, {"\xFA\x54", "￢"},
    {"\xFA\x40", "ⅰ"},  {"\xEE\xEF", "ⅰ"}, {"\xED\x40", "纊"}, {"\xFA\x5C", "纊"}, {"\x87\x9A", "∵"},
    {"\xFA\x5B", "∵"},  {"\x81\xE6", "∵"},
};

TEST(Cp932Tables, DecodesTheCharactersWhereTablesPartAlike) {
    for (const Decoded& c : kDecoded) EXPECT_EQ(cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
}

struct Encoded {
    const char* utf8;
    const char* cp932;
};

// A character of several codes is written under one: the row-1 code before the NEC row 13, and the
// IBM extension before the NEC-selected copy of it.
const Encoded kEncodedAlike[] = {
    {"～", "\x81\x60"}, {"∥", "\x81\x61"},  {"－", "\x81\x7C"}, {"￠", "\x81\x91"},
    {"￡", "\x81\x92"}, {"￢", "\x81\xCA"}, {"①", "\x87\x40"},  {"Ⅰ", "\x87\x54"},
    {"ⅰ", "\xFA\x40"},  {"纊", "\xFA\x5C"}, {"髙", "\xFB\xFC"}, {"∵", "\x81\xE6"},
};

TEST(Cp932Tables, EncodesACharacterOfSeveralCodesUnderOne) {
    for (const Encoded& c : kEncodedAlike) EXPECT_EQ(utf8ToCp932(c.utf8), c.cp932) << c.utf8;
}

// The code points of Shift_JIS tables (〜 U+301C, ‖, −, ¢, £, ¬) are no CP932 characters. iconv writes
// them under the CP932 look-alike; on Windows the conversion is made without best fit (a best fit would
// also turn letters such as "é" into others), so they are what has no code there.
#ifdef _WIN32
#define LOOK_ALIKE(cp932) "?"
#else
#define LOOK_ALIKE(cp932) cp932
#endif
const Encoded kEncodedLookAlike[] = {
    {"〜", LOOK_ALIKE("\x81\x60")}, {"‖", LOOK_ALIKE("\x81\x61")}, {"−", LOOK_ALIKE("\x81\x7C")},
    {"¢", LOOK_ALIKE("\x81\x91")},  {"£", LOOK_ALIKE("\x81\x92")}, {"¬", LOOK_ALIKE("\x81\xCA")},
};

TEST(Cp932Tables, EncodesShiftJisCodePointsAsEachSystemDoes) {
    for (const Encoded& c : kEncodedLookAlike) EXPECT_EQ(utf8ToCp932(c.utf8), c.cp932) << c.utf8;
}

TEST(Cp932Tables, ReplacesWhatHasNoCode) {
    EXPECT_EQ(utf8ToCp932("a😀b"), "a?b");
    // 0x85 leads no character: it alone is replaced, and the byte after it is read on its own.
    EXPECT_EQ(cp932ToUtf8(std::string("a\x85@b")), "a\uFFFD@b");
}

}  // namespace
}  // namespace marovix
