#include "core/settings/TIniGT.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <climits>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "tests/support/FileModes.h"
#include "tests/support/TempFolder.h"

namespace marovix::t_ini_gt_test {
namespace {

class TIniGTTest : public ::testing::Test {
protected:
    void SetUp() override { ini.setFileName("Marovix.ini"); }

    std::string path() const { return folder.file("Marovix.ini"); }
    // Lays the file out by hand (UTF-8 lines, stored as CP932 with CR LF).
    void store(const std::vector<std::string>& lines) { ASSERT_TRUE(writeTextLines(path(), lines).ok()); }
    void storeValue(const std::string& value) { store({"[original]", "sisu1=" + value}); }
    std::string fileBytes() const {
        auto bytes = readFileBytes(path());
        return bytes ? *bytes : std::string("<missing>");
    }

    TempFolder folder;
    TIniGT ini{folder.path(), folder.file("Windows")};
};

struct ReadCase {
    std::string stored;
    std::string expected;
};

TEST_F(TIniGTTest, ReadStringUnwrapsQuotesAndCornerBracketsOnlyWhenBothEndsMatch) {
    const ReadCase cases[] = {
        {"\"\"", ""},
        {"\" abc \"", " abc "},
        {"\"abc", "\"abc"},
        {"abc\"", "abc\""},
        {"\"a\"", "a"},
        {"\"", "\""},
        {"｢｣", ""},
        {"｢abc｣", "abc"},
        {"｢ abc ｣", " abc "},
        {"｢abc", "｢abc"},
        {"\"abc｣", "\"abc｣"},
        {"｢abc\"", "｢abc\""},
        {"\"｣", "\"｣"},
        {"｢\"x\"｣", "\"x\""},
        {"a\"b\"", "a\"b\""},
        {"   plain text  ", "plain text"},
        {"", ""},
    };
    for (const auto& c : cases) {
        storeValue(c.stored);
        EXPECT_EQ(ini.ReadString("original", "sisu1", "default"), c.expected) << "stored: " << c.stored;
    }
}

TEST_F(TIniGTTest, MissingKeyGivesItsDefaultExactly) {
    store({"[original]", "sisu2=x"});
    for (std::string def : {"", "SisuA", " padded ", "\"quoted\"", "｢bracketed｣", "\"\"", "｢｣"}) {
        EXPECT_EQ(ini.ReadString("original", "sisu1", def), def);
        EXPECT_EQ(ini.ReadString("missingSection", "sisu2", def), def);
    }
    EXPECT_FALSE(ini.ValueExists("original", "sisu1"));
    EXPECT_TRUE(ini.ValueExists("ORIGINAL", "SISU2"));
}

TEST_F(TIniGTTest, WriteStringStoresTheTextUnchangedWithoutAddingQuotes) {
    ASSERT_TRUE(ini.WriteString("original", "sisu1", "\" abc \"").ok());
    ASSERT_TRUE(ini.WriteString("original", "sisu2", " abc ").ok());
    EXPECT_EQ(fileBytes(), "[original]\r\nsisu1=\" abc \"\r\nsisu2= abc \r\n");
    EXPECT_EQ(ini.ReadString("original", "sisu1", ""), " abc ");
    // Blanks around a bare value are not part of it; quotes are how a user keeps them.
    EXPECT_EQ(ini.ReadString("original", "sisu2", ""), "abc");
}

TEST_F(TIniGTTest, SectionsAndKeysDifferingInCaseAreOne) {
    ASSERT_TRUE(ini.WriteBool("Tohyo", "SimMode", true).ok());
    ASSERT_TRUE(ini.WriteBool("tohyo", "DupOK", true).ok());
    ASSERT_TRUE(ini.WriteBool("TOHYO", "simmode", false).ok());
    EXPECT_EQ(fileBytes(), "[Tohyo]\r\nSimMode=0\r\nDupOK=1\r\n");
    EXPECT_TRUE(ini.ReadBool("tOhYo", "dupok", false));
    EXPECT_FALSE(ini.ReadBool("tohyo", "SimMode", true));
}

TEST_F(TIniGTTest, ReadIntegerTakesDecimalAndHexadecimalAndRejectsAnythingElse) {
    const struct {
        std::string stored;
        std::int32_t expected;
    } cases[] = {
        {"42", 42},
        {" 42 ", 42},
        {"-5", -5},
        {"+7", 7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"$1f", 31},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"12ab", -99},
        {"", -99},
        {"abc", -99},
        {"1.5", -99},
        {"$", -99},
        {"0x", -99},
        {"-", -99},
        {"1 2", -99},
        {"2147483648", -99},
        {"0x100000000", -99},
        {"$G", -99},
        {"x1F", -99},
    };
    for (const auto& c : cases) {
        storeValue(c.stored);
        EXPECT_EQ(ini.ReadInteger("original", "sisu1", -99), c.expected) << "stored: " << c.stored;
    }
}

TEST_F(TIniGTTest, BooleansAreWrittenOneOrZeroAndReadAsIntegers) {
    ASSERT_TRUE(ini.WriteBool("Play", "Sound1", true).ok());
    ASSERT_TRUE(ini.WriteBool("Play", "SoundTohyo", false).ok());
    EXPECT_EQ(fileBytes(), "[Play]\r\nSound1=1\r\nSoundTohyo=0\r\n");

    const struct {
        std::string stored;
        bool whenDefaultFalse;
        bool whenDefaultTrue;
    } cases[] = {
        {"1", true, true},    {"0", false, false},  {"2", true, true}, {"-1", true, true},
        {"$0", false, false}, {"yes", false, true}, {"", false, true}, {"true", false, true},
    };
    for (const auto& c : cases) {
        storeValue(c.stored);
        EXPECT_EQ(ini.ReadBool("original", "sisu1", false), c.whenDefaultFalse) << "stored: " << c.stored;
        EXPECT_EQ(ini.ReadBool("original", "sisu1", true), c.whenDefaultTrue) << "stored: " << c.stored;
    }
}

TEST_F(TIniGTTest, WriteIntegerWritesDecimal) {
    ASSERT_TRUE(ini.WriteInteger("NaviQuit", "zandaka1", -1234).ok());
    EXPECT_EQ(fileBytes(), "[NaviQuit]\r\nzandaka1=-1234\r\n");
    EXPECT_EQ(ini.ReadInteger("NaviQuit", "zandaka1", 0), -1234);
}

TEST_F(TIniGTTest, ReadsAtMost2047CharactersOfAValue) {
    const struct {
        std::string unit;
        std::string prefix;
    } cases[] = {{"a", ""}, {"あ", ""}, {"ｱ", ""}, {"a", "\""}};
    for (const auto& c : cases) {
        std::string stored = c.prefix;
        for (int i = 0; i < 3000; ++i) stored += c.unit;
        stored += c.prefix;
        ASSERT_TRUE(ini.WriteString("original", "sisu1", stored).ok());
        // Cut first, then unquoted: the closing quote is cut off, so the opening one stays.
        std::string expected = c.prefix;
        for (std::size_t i = c.prefix.size(); i < 2047; ++i) expected += c.unit;
        EXPECT_EQ(ini.ReadString("original", "sisu1", ""), expected) << "unit: " << c.unit;
    }
}

TEST_F(TIniGTTest, FileIsCp932WithCrLf) {
    ASSERT_TRUE(ini.WriteString("original", "sisu1", "独自指数").ok());
    ASSERT_TRUE(ini.WriteString("original", "sisu2", "｢ｱｲ｣").ok());
    EXPECT_EQ(fileBytes(), "[original]\r\nsisu1=" + utf8ToCp932("独自指数") + "\r\nsisu2=\xA2\xB1\xB2\xA3\r\n");
    EXPECT_EQ(ini.ReadString("original", "sisu1", ""), "独自指数");
    EXPECT_EQ(ini.ReadString("original", "sisu2", ""), "ｱｲ");
}

TEST_F(TIniGTTest, AValueCp932CannotHoldReadsTheSameBeforeAndAfterARestart) {
    // A folder chosen on Linux may hold characters CP932 lacks: the file gets "?" for them, and the
    // running program must read what it will read after a restart, not the text it was given.
    ASSERT_TRUE(ini.WriteString("Dir", "lumidex", "/home/jos\u00e9/\U0001F3C7").ok());
    EXPECT_EQ(fileBytes(), "[Dir]\r\nlumidex=/home/jos?/?\r\n");
    TIniGT restarted(folder.path(), folder.file("Windows"));
    restarted.setFileName("Marovix.ini");
    EXPECT_EQ(restarted.ReadString("Dir", "lumidex", ""), "/home/jos?/?");
    EXPECT_EQ(ini.ReadString("Dir", "lumidex", ""), "/home/jos?/?");
}

TEST_F(TIniGTTest, MissingFileReadsDefaultsAndTheFirstWriteCreatesIt) {
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 10);
    EXPECT_EQ(ini.ReadString("original", "sisu1", "SisuA"), "SisuA");
    EXPECT_TRUE(ini.ReadBool("Play", "Sound1", true));
    EXPECT_FALSE(fileExists(path()));
    ASSERT_TRUE(ini.WriteInteger("locate", "top", 20).ok());
    EXPECT_EQ(fileBytes(), "[locate]\r\ntop=20\r\n");
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 20);
}

TEST_F(TIniGTTest, AWriteKeepsEveryOtherLineOfTheFile) {
    // Hand-made content: comments, stray text, odd spacing, an unknown section, bytes that are
    // no CP932 at all, and LF line ends.
    const std::string before =
        "; written by hand\n"
        "[Unknown]\n"
        "  Odd Key  =  odd value  \n"
        "no equals sign here\n"
        "raw=\x81\x7F\xFF\n"
        "\n"
        "[locate]\n"
        "top=30\n"
        "; placement of the main window\n"
        "\n"
        "[Other]\n"
        "x=1\n";
    ASSERT_TRUE(replaceFile(path(), before).ok());
    EXPECT_EQ(ini.ReadString("unknown", "odd key", ""), "odd value");

    ASSERT_TRUE(ini.WriteInteger("locate", "left", 40).ok());
    ASSERT_TRUE(ini.WriteInteger("LOCATE", "TOP", 50).ok());
    ASSERT_TRUE(ini.WriteString("New", "k", "v").ok());
    EXPECT_EQ(fileBytes(),
              "; written by hand\r\n"
              "[Unknown]\r\n"
              "  Odd Key  =  odd value  \r\n"
              "no equals sign here\r\n"
              "raw=\x81\x7F\xFF\r\n"
              "\r\n"
              "[locate]\r\n"
              "top=50\r\n"
              "left=40\r\n"
              "; placement of the main window\r\n"
              "\r\n"
              "[Other]\r\n"
              "x=1\r\n"
              "\r\n"
              "[New]\r\n"
              "k=v\r\n");
}

TEST_F(TIniGTTest, ReadOnlyFileRefusesTheWriteAndKeepsItsContent) {
    store({"[locate]", "top=30"});
    const std::string before = fileBytes();
    ASSERT_TRUE(makeReadOnly(path()));
    for (int attempt = 0; attempt < 2; ++attempt) {  // the second time with the document cached
        Status status = ini.WriteInteger("locate", "top", 99);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error(), path() + " に書き込めません");
        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 30);
    }
}

// A write into `file` fails with the message that names it.
void expectWriteRefused(const std::string& applicationFolder, const std::string& file) {
    TIniGT other(applicationFolder, "");
    other.setFileName(file);
    Status status = other.WriteInteger("locate", "top", 99);
    ASSERT_FALSE(status.ok()) << file;
    EXPECT_EQ(status.error(), file + " に書き込めません");
}

TEST_F(TIniGTTest, MissingFolderRefusesTheWrite) {
    expectWriteRefused(folder.path(), folder.file("missing/Marovix.ini"));
    EXPECT_FALSE(directoryExists(folder.file("missing")));
}

// A folder's read-only attribute on Windows keeps no file from being made in it: a folder the program may
// not write is a matter of POSIX permissions here.
#ifndef _WIN32
TEST_F(TIniGTTest, ReadOnlyFolderRefusesTheWrite) {
    std::string locked = folder.file("locked");
    ASSERT_TRUE(makeDirectory(locked).ok());
    ASSERT_TRUE(writeTextLines(locked + "/Marovix.ini", {"[locate]", "top=30"}).ok());
    const std::string before = *readFileBytes(locked + "/Marovix.ini");
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);

    for (std::string file : {locked + "/Marovix.ini", locked + "/New.ini"}) expectWriteRefused(folder.path(), file);
    EXPECT_EQ(*readFileBytes(locked + "/Marovix.ini"), before);
    EXPECT_FALSE(fileExists(locked + "/New.ini"));
    ::chmod(locked.c_str(), 0755);
}
#endif

TEST_F(TIniGTTest, FileOfAbsurdSizeIsRefusedWholeWithAClearError) {
    // A line of 2 MB: neither held in memory nor half-read.
    const std::string before = "[original]\r\nsisu1=" + std::string(2 << 20, 'x') + "\r\n[locate]\r\ntop=30\r\n";
    ASSERT_TRUE(replaceFile(path(), before).ok());
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 10);
    EXPECT_EQ(ini.ReadString("original", "sisu1", "SisuA"), "SisuA");
    EXPECT_EQ(ini.readProblem(),
              path() + " を読み込めません(ファイルが大きすぎます(1048576バイトまで))。既定の設定で動作します。");
    Status status = ini.WriteInteger("locate", "top", 40);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), path() + " に書き込めません");
    EXPECT_EQ(fileBytes(), before);

    // Nor does a write make the file too large to be read back.
    store({"[locate]", "top=30"});
    EXPECT_EQ(ini.readProblem(), "");
    EXPECT_FALSE(ini.WriteString("original", "sisu1", std::string(TIniGT::kMaxFileBytes, 'y')).ok());
    EXPECT_EQ(fileBytes(), "[locate]\r\ntop=30\r\n");
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 30);
}

TEST_F(TIniGTTest, NoFileNameMeansDefaultsAndRefusedWrites) {
    TIniGT unbound(folder.path(), "");
    EXPECT_EQ(unbound.ReadInteger("locate", "top", 10), 10);
    Status status = unbound.WriteInteger("locate", "top", 1);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), " に書き込めません");
}

TEST_F(TIniGTTest, EveryReadSeesWhatAnotherInstanceWrote) {
    TIniGT other(folder.path(), "");
    other.setFileName("Marovix.ini");
    // Same-sized values in quick succession: a cache keyed by size and time alone could miss them.
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(other.WriteInteger("Time", "AutoOzGet", round % 10).ok());
        EXPECT_EQ(ini.ReadInteger("time", "autoozget", -1), round % 10);
        ASSERT_TRUE(ini.WriteBool("Tohyo", "SimMode", round % 2 == 0).ok());
        EXPECT_EQ(other.ReadBool("Tohyo", "SimMode", false), round % 2 == 0);
    }
    // A write starts from the file as it is now, not from what this instance saw last.
    EXPECT_EQ(fileBytes(), "[Time]\r\nAutoOzGet=9\r\n\r\n[Tohyo]\r\nSimMode=0\r\n");
    std::filesystem::remove(path());
    EXPECT_EQ(ini.ReadInteger("Time", "AutoOzGet", 10), 10);
}

TEST(TIniGTFileName, BareNamesArePlacedByTheDefaultFolder) {
    const struct {
        DefaultDir dir;
        std::string name;
        std::string expected;
    } cases[] = {
        {DefaultDir::ddApplication, "Marovix.ini", nativePath("/opt/marovix/Marovix.ini")},
        {DefaultDir::ddWindows, "Marovix.ini", nativePath("/win/Marovix.ini")},
        {DefaultDir::ddNone, "Marovix.ini", "Marovix.ini"},
        {DefaultDir::ddApplication, "/plug/VQMTohyoPlugIn2.ini", "/plug/VQMTohyoPlugIn2.ini"},
        {DefaultDir::ddWindows, "sub/a.ini", "sub/a.ini"},
        {DefaultDir::ddApplication, "", ""},
    };
    for (const auto& c : cases) {
        TIniGT ini(nativePath("/opt/marovix"), nativePath("/win"));
        ini.setDefaultDir(c.dir);
        ini.setFileName(c.name);
        EXPECT_EQ(ini.fileName(), c.expected);
    }
}

TEST(TIniGTFileName, ChangingTheDefaultFolderPlacesTheCurrentNameAgain) {
    TIniGT ini(nativePath("/opt/marovix"), nativePath("/win"));
    EXPECT_EQ(ini.defaultDir(), DefaultDir::ddApplication);
    ini.setFileName("Marovix.ini");
    EXPECT_EQ(ini.fileName(), nativePath("/opt/marovix/Marovix.ini"));
    ini.setDefaultDir(DefaultDir::ddWindows);
    EXPECT_EQ(ini.fileName(), nativePath("/win/Marovix.ini"));
    ini.setDefaultDir(DefaultDir::ddNone);
    EXPECT_EQ(ini.fileName(), "Marovix.ini");
}

}  // namespace
}  // namespace marovix::t_ini_gt_test
