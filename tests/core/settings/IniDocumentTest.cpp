#include "core/settings/IniDocument.h"

#include <gtest/gtest.h>

namespace marovix::ini_document_test {
namespace {

std::string valueOf(const IniDocument& document, std::string_view section, std::string_view key) {
    const std::string* value = document.find(section, key);
    return value ? *value : std::string("<missing>");
}

TEST(IniDocument, OnlyHeadersAndEntriesCount) {
    IniDocument document(
        "top=1\r\n"    // before any section: belongs to none
        "[locate\r\n"  // no closing bracket: not a header
        "left=2\r\n"
        "[ locate ]\r\n"
        ";width=3\r\n"  // a comment
        "height\r\n"    // no equals sign
        "  width \t=\t 4 \r\n");
    EXPECT_EQ(valueOf(document, "locate", "top"), "<missing>");
    EXPECT_EQ(valueOf(document, "locate", "left"), "<missing>");
    EXPECT_EQ(valueOf(document, "locate", "height"), "<missing>");
    EXPECT_EQ(valueOf(document, "LOCATE", "Width"), "4");
}

TEST(IniDocument, ASectionWrittenTwiceIsSearchedWholeAndGrowsAtItsFirstPlace) {
    IniDocument document("[Tohyo]\r\nSimMode=1\r\n\r\n[Other]\r\nx=1\r\n[tohyo]\r\nDupOK=1\r\n");
    EXPECT_EQ(valueOf(document, "Tohyo", "DupOK"), "1");
    document.set("TOHYO", "dupok", "0");
    document.set("Tohyo", "New", "v");
    EXPECT_EQ(document.bytes(), "[Tohyo]\r\nSimMode=1\r\nNew=v\r\n\r\n[Other]\r\nx=1\r\n[tohyo]\r\nDupOK=0\r\n");
}

TEST(IniDocument, AValueNeverSpillsOntoAnotherLine) {
    IniDocument document;
    document.set("original", "sisu1", "a\r\n[evil]\nb");
    EXPECT_EQ(document.bytes(), "[original]\r\nsisu1=a  [evil] b\r\n");
    EXPECT_EQ(valueOf(document, "evil", "b"), "<missing>");
}

}  // namespace
}  // namespace marovix::ini_document_test
