// The one trim: each set of blanks takes off exactly its own bytes, at both ends only.
#include "core/common/Trim.h"

#include <gtest/gtest.h>

#include <string>

namespace marovix::trim_test {
namespace {

struct TrimCase {
    std::string text;
    std::string space, spaceTab, spaceTabLineEnd, control;  // what each set leaves
};

TEST(TrimTest, EachSetOfBlanksTakesOffItsOwnBytesAtBothEnds) {
    const TrimCase cases[] = {
        {"", "", "", "", ""},
        {"   ", "", "", "", ""},
        {"abc", "abc", "abc", "abc", "abc"},
        {"  a b  ", "a b", "a b", "a b", "a b"},
        {"\t a \t", "\t a \t", "a", "a", "a"},
        {" \t", "\t", "", "", ""},
        {"a\r\n", "a\r\n", "a\r\n", "a", "a"},
        {"\r\n 20240106 \r\n", "\r\n 20240106 \r\n", "\r\n 20240106 \r\n", "20240106", "20240106"},
        {"\x01x\x1f", "\x01x\x1f", "\x01x\x1f", "\x01x\x1f", "x"},
        {"\v a \f", "\v a \f", "\v a \f", "\v a \f", "a"},
        {std::string("\0a\0", 3), std::string("\0a\0", 3), std::string("\0a\0", 3), std::string("\0a\0", 3), "a"},
        {" a\tb\r\nc ", "a\tb\r\nc", "a\tb\r\nc", "a\tb\r\nc", "a\tb\r\nc"},  // inside stays
        {"　東京　", "　東京　", "　東京　", "　東京　", "　東京　"},         // the full-width space is no blank
        {"\x81\x40", "\x81\x40", "\x81\x40", "\x81\x40", "\x81\x40"},         // nor in CP932
        {" \xa0 ", "\xa0", "\xa0", "\xa0", "\xa0"},                           // bytes above 0x7f are text
    };
    for (const TrimCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(trimmed(c.text, Blanks::Space), c.space);
        EXPECT_EQ(trimmed(c.text, Blanks::SpaceTab), c.spaceTab);
        EXPECT_EQ(trimmed(c.text, Blanks::SpaceTabLineEnd), c.spaceTabLineEnd);
        EXPECT_EQ(trimmed(c.text, Blanks::Control), c.control);
    }
}

TEST(TrimTest, TheTrimmedTextIsAViewIntoTheText) {
    const std::string text = "  race  ";
    const std::string_view view = trimmed(text, Blanks::Space);
    EXPECT_EQ(view.data(), text.data() + 2);
    EXPECT_EQ(view.size(), 4u);
}

}  // namespace
}  // namespace marovix::trim_test
