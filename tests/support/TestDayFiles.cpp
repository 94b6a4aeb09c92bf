#include "tests/support/TestDayFiles.h"

#include "core/common/TextFile.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/PayoutRecordBuilder.h"

namespace marovix {

Status writeAlertSounds(const std::string& windowsFolder) {
    const std::string media = joinPath(windowsFolder, "Media");
    for (const std::string& folder : {windowsFolder, media})
        if (Status made = makeDirectory(folder); !made) return made;
    for (const char* name : {"Ring08.wav", "Alarm05.wav", "chimes.wav"})
        if (Status written = replaceFile(joinPath(media, name), "RIFF"); !written) return written;
    return Status::success();
}

Status writeTestDay(const std::string& dataFolder, int races, int runners, const std::string& nameTag) {
    std::vector<std::string> ra;
    std::vector<std::string> se(216, std::string(553, ' '));
    for (int race = 1; race <= races; ++race) {
        ra.push_back(RecordBuilder("RA")
                         .bytes(12, testRaceKey(race))
                         .number(874, 4, 1000 + race * 30)
                         .number(882, 2, runners)
                         .line());
        for (int horse = 1; horse <= runners; ++horse) {
            se[static_cast<std::size_t>((race - 1) * 18 + horse - 1)] =
                RecordBuilder("SE")
                    .bytes(12, testRaceKey(race))
                    .number(28, 1, (horse + 1) / 2)
                    .number(29, 2, horse)
                    .field(41, 36, "テスト" + nameTag + std::to_string(horse))
                    .line();
        }
    }
    if (Status status = writeRawLines(joinPath(dataFolder, kTestDayText + ".jvRA"), ra); !status) return status;
    return writeRawLines(joinPath(dataFolder, kTestDayText + "東京.jvSEr"), se);
}

Status writeTestPayouts(const std::string& dataFolder, const std::vector<std::string>& hrLines) {
    return writeRawLines(joinPath(dataFolder, kTestDayText + ".jvHR"), hrLines);
}

}  // namespace marovix
