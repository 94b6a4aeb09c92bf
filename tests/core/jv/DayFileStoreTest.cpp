// The day-file store against the record-by-record method (StoreRecordLine, StoreRunnerLine), which
// stays the reference: the same records into the same starting files must leave the same bytes, however
// the starting files look and whenever the store saves.
#include "core/jv/DayFileStore.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/jv/JvReadLoop.h"
#include "tests/support/ChangeRecords.h"
#include "tests/support/DownloadRecords.h"
#ifndef _WIN32
#include "tests/support/FileSizeLimit.h"
#endif
#include "tests/support/ReferenceChangeFiles.h"
#include "tests/support/ReferenceDownload.h"
#include "tests/support/ScriptedJvLink.h"
#include "tests/support/TempFolder.h"

namespace marovix::day_file_store_test {
namespace {

// Short record-like lines: type "RA", data kind and creation date (3-11), the key (12-27), a payload.
class Lines {
public:
    explicit Lines(unsigned seed) : m_random(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }
    // The lines a file starts with, `percent` times in a hundred: fewer than `most` lines made by `found`.
    // Otherwise none: the file is missing.
    template <class Found>
    std::optional<std::vector<std::string>> start(int percent, int most, Found found) {
        if (!chance(percent)) return std::nullopt;
        std::vector<std::string> lines;
        for (int i = pick(most); i > 0; --i) lines.push_back(found());
        return lines;
    }

    static std::string key(int k) {
        const char* course = k % 2 == 0 ? "06" : "08";
        return std::string("20240106") + course + "0102" + (k / 2 < 9 ? "0" : "") + std::to_string(k / 2 + 1);
    }
    std::string record(int k) {
        std::string line = std::string("RA") + static_cast<char>('0' + pick(10)) + "20240105" + key(k);
        line += std::string(1 + pick(3), static_cast<char>('A' + pick(3)));
        return line;
    }
    // A record as a stream delivers it: mostly well-formed, now and then one the store must not take
    // for granted.
    std::string delivered(int keys) {
        std::string line = record(pick(keys));
        switch (pick(40)) {
            case 0: line[0] = '\x01'; break;                            // begins with a control character
            case 1: line.replace(11, 16, std::string(16, ' ')); break;  // a blank key
            case 2: line = "RA"; break;                                 // too short for a key
            default: break;
        }
        return chance(50) ? line + "\r\n" : line;
    }
    // A line a file made by someone else may hold.
    std::string found(int keys) {
        switch (pick(13)) {
            case 0: return "";
            case 1: return std::string(1 + pick(3), ' ');
            case 2: return " \t";
            case 3: return "\x01 damaged";
            case 4: return " RA" + key(pick(keys));  // begins with a blank, not empty
            case 5: return "damaged";
            case 6: return record(pick(keys)).substr(0, 20);
            case 7: {  // a record whose first byte sorts before a blank: a record with its key replaces it
                std::string line = record(pick(keys));
                line[0] = chance(50) ? '\x01' : ' ';
                return line;
            }
            default: return record(pick(keys));  // duplicates of a key come with a few keys
        }
    }

private:
    std::mt19937 m_random;
};

// The change files of a day as the store writes them: the key and the drop rule by the file.
struct ChangeFile {
    std::string name;
    LineKey key;
    bool drop;
};
const ChangeFile kChangeFiles[] = {
    {"2024年01月06日.WE", weLineKey, false},
    {"2024年01月06日.AV", avLineKey, true},
    {"2024年01月06日.TC", tcLineKey, true},
};

// Announcements for the change files: a few keys each, announced again and again with other data kinds
// and creation dates (so that a replaced line may sort elsewhere), now and then damaged.
class ChangeLines {
public:
    explicit ChangeLines(unsigned seed) : m_lines(seed) {}

    int pick(int n) { return m_lines.pick(n); }
    bool chance(int percent) { return m_lines.chance(percent); }
    std::optional<std::vector<std::string>> start(std::size_t file) {
        return m_lines.start(60, 12, [&] { return found(file); });
    }

    std::string record(std::size_t file) {
        const Stamp stamp{static_cast<char>('0' + pick(3)), "2024010" + std::to_string(5 + pick(3))};
        const std::string announced = "010610" + std::to_string(10 + pick(3) * 15);
        const RaceId race{"20240106", pick(2) == 0 ? "05" : "06", 1 + pick(3)};
        switch (file) {
            case 0: return weRecord(race.date, race.course, announced, 1 + pick(3), 1 + pick(3), 1, 1, stamp);
            case 1: return avRecord(race, 1 + pick(4), announced, stamp);
            default: return tcRecord(race, 1500 + pick(4) * 5, announced, 1540, stamp);
        }
    }
    std::string delivered(std::size_t file) {
        std::string line = record(file);
        switch (pick(40)) {
            case 0: line[0] = '\x01'; break;                            // begins with a control character
            case 1: line.replace(11, 23, std::string(23, ' ')); break;  // a blank key
            case 2: line = line.substr(0, 2); break;                    // too short for a key
            case 3: line = line.substr(0, 36); break;                   // cut inside the horse number
            default: break;
        }
        return chance(50) ? line : recordLine(line);
    }
    std::string found(std::size_t file) {
        switch (pick(10)) {
            case 0: return "";
            case 1: return std::string(1 + pick(3), ' ');
            case 2: return " \t";
            case 3: return "\x01 damaged";
            case 4: return recordLine(record(file)).substr(0, 20 + pick(20));
            case 5: {
                std::string line = recordLine(record(file));
                line[0] = chance(50) ? '\x01' : ' ';
                return line;
            }
            default: return recordLine(record(file));  // with few keys, some come twice
        }
    }

private:
    Lines m_lines;
};

class DayFileStoreTest : public ::testing::Test {
protected:
    std::string storePath(const std::string& name) const { return joinPath(storeFolder.path(), name); }
    std::string referencePath(const std::string& name) const { return joinPath(referenceFolder.path(), name); }
    void writeBoth(const std::string& name, const std::vector<std::string>& lines) {
        ASSERT_TRUE(writeRawLines(storePath(name), lines).ok());
        ASSERT_TRUE(writeRawLines(referencePath(name), lines).ok());
    }
    // Both copies of `name` start as `lines`, or missing.
    void startBoth(const std::string& name, const std::optional<std::vector<std::string>>& lines) {
        (void)removeFile(storePath(name));  // missing already, as often as not
        (void)removeFile(referencePath(name));
        if (lines) writeBoth(name, *lines);
    }
    void expectSameFolders(const std::string& what) const {
        EXPECT_EQ(folderFiles(storeFolder.path()), folderFiles(referenceFolder.path())) << what;
    }

    // In memory when the system allows: the record-by-record method rewrites its files for every record.
    TempFolder storeFolder{TempFolder::memoryBase()};
    TempFolder referenceFolder{TempFolder::memoryBase()};
};

TEST_F(DayFileStoreTest, SortedFilesEndAsTheRecordByRecordMethodLeavesThem) {
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        Lines lines(seed);
        const int keys = 1 + lines.pick(8);
        const std::vector<std::string> names = {"2024年01月06日.jvRA", "2024年01月06日.jvHR"};
        for (const auto& name : names) startBoth(name, lines.start(70, 16, [&] { return lines.found(keys); }));
        DayFileStore store(lines.chance(20) ? 64 : DayFileStore::kDefaultMemoryLimit);
        for (int i = 0, n = 1 + lines.pick(30); i < n; ++i) {
            const std::string& name = names[static_cast<std::size_t>(lines.pick(2))];
            const std::string record = lines.delivered(keys);
            // Each file keeps its drop rule, as the stores do; now and then a file gets both.
            const bool drop = lines.chance(10) ? lines.chance(50) : name == names[0];
            ASSERT_TRUE(store.storeRecordLine(storePath(name), record, drop).ok());
            ASSERT_TRUE(StoreRecordLine(referencePath(name), record, drop).ok());
            if (lines.chance(5)) {
                ASSERT_TRUE(store.save(storePath(name)).ok());
            }
            if (lines.chance(3)) {
                ASSERT_TRUE(store.saveAll().ok());
            }
        }
        ASSERT_TRUE(store.saveAll().ok());
        expectSameFolders("seed " + std::to_string(seed));
        if (HasFailure()) return;
    }
}

TEST_F(DayFileStoreTest, ChangeFilesEndAsTheChangeFileRuleLeavesThem) {
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        ChangeLines lines(seed);
        for (std::size_t f = 0; f < std::size(kChangeFiles); ++f) startBoth(kChangeFiles[f].name, lines.start(f));
        DayFileStore store(lines.chance(20) ? 200 : DayFileStore::kDefaultMemoryLimit);
        for (int i = 0, n = 1 + lines.pick(30); i < n; ++i) {
            const std::size_t f = static_cast<std::size_t>(lines.pick(3));
            const ChangeFile& file = kChangeFiles[f];
            const std::string record = lines.delivered(f);
            ASSERT_TRUE(store.storeRecordLine(storePath(file.name), record, file.drop, file.key).ok());
            ASSERT_TRUE(StoreChangeLine(referencePath(file.name), record).ok());
            if (lines.chance(5)) {
                ASSERT_TRUE(store.save(storePath(file.name)).ok());
            }
        }
        ASSERT_TRUE(store.saveAll().ok());
        expectSameFolders("seed " + std::to_string(seed));
        if (HasFailure()) return;
    }
}

TEST_F(DayFileStoreTest, AnnouncementsReplaceTheLineOfTheirKeyInTheirChangeFile) {
    const RaceId race3{"20240106", "05", 3};
    const Stamp morning{'1', "20240106"}, noon{'2', "20240106"};
    writeBoth("2024年01月06日.WE", {""});
    writeBoth("2024年01月06日.AV", {""});
    DayFileStore store;
    auto put = [&](const ChangeFile& file, const std::string& record) {
        ASSERT_TRUE(store.storeRecordLine(storePath(file.name), record, file.drop, file.key).ok());
        ASSERT_TRUE(StoreChangeLine(referencePath(file.name), record).ok());
    };
    const ChangeFile &we = kChangeFiles[0], &av = kChangeFiles[1], &tc = kChangeFiles[2];
    // Going at 10:05 and 12:40, the 10:05 one delivered twice: two lines.
    put(we, weRecord("20240106", "05", "01061005", 3, 1, 2, 2, morning));
    put(we, weRecord("20240106", "05", "01061240", 3, 1, 3, 3, noon));
    put(we, weRecord("20240106", "05", "01061005", 3, 1, 2, 2, noon));
    // Horse 7 scratched, horse 8 too, then horse 7's announcement again with another data kind: its line
    // is replaced and moves before horse 8's.
    put(av, avRecord(race3, 7, "01061005", noon));
    put(av, avRecord(race3, 8, "01061010", morning));
    put(av, avRecord(race3, 7, "01061005", morning));
    // The post time moved twice: the later change is the race's one line.
    put(tc, tcRecord(race3, 1550, "01061100", 1540, morning));
    put(tc, tcRecord(race3, 1600, "01061300", 1550, noon));
    ASSERT_TRUE(store.saveAll().ok());
    expectSameFolders("the announcements");

    const auto weLines = *readRawLines(storePath(we.name));
    ASSERT_EQ(weLines.size(), 3u) << "the empty first line of a WE file stays";
    EXPECT_EQ(weLines[0], "");
    EXPECT_EQ(weLines[1], recordLine(weRecord("20240106", "05", "01061005", 3, 1, 2, 2, noon)));
    EXPECT_EQ(weLines[2], recordLine(weRecord("20240106", "05", "01061240", 3, 1, 3, 3, noon)));
    EXPECT_EQ(*readRawLines(storePath(av.name)),
              (std::vector<std::string>{recordLine(avRecord(race3, 7, "01061005", morning)),
                                        recordLine(avRecord(race3, 8, "01061010", morning))}))
        << "the empty first line of an AV file is dropped; the lines stay sorted";
    EXPECT_EQ(*readRawLines(storePath(tc.name)),
              (std::vector<std::string>{recordLine(tcRecord(race3, 1600, "01061300", 1550, noon))}));
}

TEST_F(DayFileStoreTest, RunnerFilesEndAsTheRecordByRecordMethodLeavesThem) {
    const std::string name = "2024年01月06日中山.jvSEr";
    for (unsigned seed = 1; seed <= 50; ++seed) {
        Lines lines(seed);
        std::optional<std::vector<std::string>> start;
        if (lines.chance(60)) {  // a file of the wrong length, now and then with a damaged line
            start.emplace(static_cast<std::size_t>(lines.pick(230)), std::string(553, ' '));
            if (!start->empty())
                (*start)[static_cast<std::size_t>(lines.pick(static_cast<int>(start->size())))] = "short";
        }
        startBoth(name, start);
        DayFileStore store;
        for (int i = 0, n = 1 + lines.pick(40); i < n; ++i) {
            const std::string record =
                seRecord({"20240106", "06", 1 + lines.pick(12)}, 1 + lines.pick(18), "ウマ", '2');
            ASSERT_TRUE(store.storeRunnerLine(storePath(name), record).ok());
            ASSERT_TRUE(StoreRunnerLine(referencePath(name), record).ok());
        }
        ASSERT_TRUE(store.saveAll().ok());
        expectSameFolders("seed " + std::to_string(seed));
        if (HasFailure()) return;
    }
}

TEST_F(DayFileStoreTest, NothingIsWrittenUntilSavedAndEachFileIsSavedOnce) {
    const std::string ra = storePath("2024年01月06日.jvRA");
    const std::string runners = storePath("2024年01月06日中山.jvSEr");
    DayFileStore store;
    for (int race = 12; race >= 1; --race) {
        ASSERT_TRUE(store.storeRecordLine(ra, raRecord({"20240106", "06", race}), true).ok());
        ASSERT_TRUE(store.storeRunnerLine(runners, seRecord({"20240106", "06", race}, 1)).ok());
    }
    EXPECT_FALSE(fileExists(ra));
    EXPECT_FALSE(fileExists(runners));
    EXPECT_TRUE(store.exists(ra)) << "a held file counts as there";
    EXPECT_FALSE(store.exists(storePath("2024年01月07日.jvRA")));
    EXPECT_EQ(store.filesHeld(), 2u);
    EXPECT_EQ(store.bytesHeld(), 12u * 1270u + 216u * 553u);

    ASSERT_TRUE(store.save(ra).ok());
    EXPECT_EQ(readRawLines(ra)->size(), 12u);
    EXPECT_FALSE(fileExists(runners));
    ASSERT_TRUE(store.saveAll().ok());
    EXPECT_EQ(readRawLines(runners)->size(), 216u);
    EXPECT_EQ(store.saves(), 2u);
    EXPECT_EQ(store.bytesWritten(), 12u * 1272u + 216u * 555u);
    EXPECT_EQ(store.filesHeld(), 0u);
    EXPECT_EQ(store.bytesHeld(), 0u);
    EXPECT_EQ(store.peakBytesHeld(), 12u * 1270u + 216u * 553u);
    EXPECT_TRUE(store.saveAll().ok());  // nothing held: nothing written
    EXPECT_EQ(store.saves(), 2u);

    // A saved file is let go: the next record reads it again.
    ASSERT_TRUE(store.storeRecordLine(ra, raRecord({"20240106", "06", 5}, 16, '2', "新"), true).ok());
    EXPECT_EQ(store.diskReads(), 3u);
    store.discard();
    EXPECT_EQ(readRawLines(ra)->size(), 12u);
    EXPECT_EQ(store.bytesHeld(), 0u);
}

TEST_F(DayFileStoreTest, MemoryLimitSavesEverythingHeldWhenPassed) {
    DayFileStore store(3 * 1270);
    const std::string a = storePath("a.jvRA"), b = storePath("b.jvRA");
    for (int race = 1; race <= 2; ++race) {
        ASSERT_TRUE(store.storeRecordLine(a, raRecord({"20240106", "06", race}), true).ok());
        ASSERT_TRUE(store.storeRecordLine(b, raRecord({"20240106", "08", race}), true).ok());
    }
    // The fourth line passed the limit: both files were saved and let go.
    EXPECT_EQ(store.filesHeld(), 0u);
    EXPECT_EQ(readRawLines(a)->size(), 2u);
    EXPECT_EQ(readRawLines(b)->size(), 2u);
    EXPECT_EQ(store.peakBytesHeld(), 4u * 1270u);
}

TEST_F(DayFileStoreTest, FileThatCannotBeReadIsAnErrorAndNothingIsHeld) {
    const std::string folder = storePath("2024年01月06日.jvRA");
    ASSERT_TRUE(makeDirectory(folder).ok());
    DayFileStore store;
    Status stored = store.storeRecordLine(folder, raRecord({}), true);
    ASSERT_FALSE(stored.ok());
    EXPECT_EQ(stored.error(), folder + ": ファイルではなくフォルダです");
    EXPECT_EQ(store.filesHeld(), 0u);
    EXPECT_FALSE(store.storeRunnerLine(storePath("x.jvSEr"), seRecord({"20240106", "06", 13}, 1)).ok());
    EXPECT_EQ(store.filesHeld(), 0u) << "a runner record without a line holds nothing";
}

TEST_F(DayFileStoreTest, RealTimeStreamSavesEachFileOncePerStream) {
    // An odds stream and a results stream as the race-day fetches read them: odds zeroed at 3-11 with the
    // empty first line dropped; RA only into a race file the download made, HR created when missing.
    ScriptedJvLink jv;
    ReadCancelFlag cancelled;
    JvReadLoop loop(jv, cancelled);
    std::vector<std::string> odds;
    for (int snapshot = 1; snapshot <= 3; ++snapshot)
        for (const char* type : {"O1", "O2", "O3", "O4", "O5", "O6"})
            odds.push_back(oddsRecord(type, {"20240106", "06", 11}, static_cast<char>('0' + snapshot)));
    jv.queueRTOpen(0);
    jv.queueFile(odds);
    jv.queueRTOpen(0);
    jv.queueFile({raRecord({"20240106", "06", 11}), hrRecord({"20240106", "06", 11})});
    const std::string day = "2024年01月06日";

    DayFileStore store;
    auto storeInto = [&](const std::string& folder, auto put) {
        return JvReadLoop::Handler{[&, folder, put](const std::string& record, const std::string&) {
                                       std::string line = recordLine(record);
                                       const std::string type = line.substr(0, 2);
                                       if (type == "RA" && !store.exists(joinPath(folder, day + ".jvRA")))
                                           return JvReadLoop::Next::Continue;
                                       if (type != "HR") zeroDataKind(line);
                                       put(joinPath(folder, day + ".jv" + type), line, type != "HR");
                                       return JvReadLoop::Next::Continue;
                                   },
                                   {}};
    };
    auto held = [&](const std::string& path, const std::string& line, bool drop) {
        ASSERT_TRUE(store.storeRecordLine(path, line, drop).ok());
    };
    for (const char* spec : {"0B30", "0B12"}) {
        ASSERT_EQ(loop.openRealTime(spec, "2024010606010211"), 0);
        EXPECT_EQ(loop.read(100000, storeInto(storeFolder.path(), held)).kind, JvReadLoop::ReadEnd::Kind::EndOfData);
        ASSERT_TRUE(store.saveAll().ok());
        loop.close();
    }
    EXPECT_EQ(store.saves(), 7u);  // six odds files, then the payouts; no race file was there to update

    // The same records one by one, through the same rules.
    ScriptedJvLink again;
    JvReadLoop reference(again, cancelled);
    again.queueRTOpen(0);
    again.queueFile(odds);
    again.queueRTOpen(0);
    again.queueFile({raRecord({"20240106", "06", 11}), hrRecord({"20240106", "06", 11})});
    auto direct = [](const std::string& path, const std::string& line, bool drop) {
        ASSERT_TRUE(StoreRecordLine(path, line, drop).ok());
    };
    for (const char* spec : {"0B30", "0B12"}) {
        reference.openRealTime(spec, "2024010606010211");
        reference.read(100000, storeInto(referenceFolder.path(), direct));
    }
    expectSameFolders("the real-time streams");
    EXPECT_EQ(folderFiles(storeFolder.path()).size(), 7u);
}

// A disk that fills is a file size limit of the process: POSIX has one, Windows none.
#ifndef _WIN32
TEST_F(DayFileStoreTest, SaveCutShortByAWriteErrorLeavesTheOldFileWholeAndIsReported) {
    const std::string odds = storePath("2024年01月06日.jvO6");
    const std::string payouts = storePath("2024年01月06日.jvHR");
    ASSERT_TRUE(StoreRecordLine(odds, oddsRecord("O6", {"20240106", "06", 1}), true).ok());
    const std::string before = *readFileBytes(odds);
    DayFileStore store;
    for (int race = 2; race <= 4; ++race)
        ASSERT_TRUE(store.storeRecordLine(odds, oddsRecord("O6", {"20240106", "06", race}), true).ok());
    ASSERT_TRUE(store.storeRecordLine(payouts, hrRecord({"20240106", "06", 1}), false).ok());
    Status saved;
    {
        FileSizeLimit limit(before.size() + 1000);  // the new odds file is three times as long
        saved = store.saveAll();
    }
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error(), odds + ": ファイルが大きすぎます");
    EXPECT_EQ(*readFileBytes(odds), before);
    EXPECT_TRUE(fileExists(payouts)) << "the other file is saved all the same";
    EXPECT_EQ(store.filesHeld(), 0u);
    EXPECT_EQ(folderFiles(storeFolder.path()).size(), 2u) << "no temporary file left behind";
}
#endif

}  // namespace
}  // namespace marovix::day_file_store_test
