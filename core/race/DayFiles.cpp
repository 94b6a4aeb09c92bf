#include "core/race/DayFiles.h"

#include "core/common/TextFile.h"

namespace marovix {

DayFiles DayFiles::of(std::string_view dataFolder, std::string_view dayText) {
    DayFiles files;
    files.dataFolder = std::string(dataFolder);
    files.dayText = std::string(dayText);
    auto path = [&](std::string_view extension) {
        return joinPath(dataFolder, std::string(dayText) + std::string(extension));
    };
    files.race = path(".jvRA");
    files.umaSet = path(".Uset");
    files.payout = path(".jvHR");
    files.dm = path(".jvDM");
    files.tm = path(".jvTM");
    for (int kind = 0; kind < 6; ++kind)
        files.odds[static_cast<std::size_t>(kind)] = path(".jvO" + std::to_string(kind + 1));
    return files;
}

std::string DayFiles::runnerFile(std::string_view courseName) const {
    return joinPath(dataFolder, dayText + std::string(courseName) + ".jvSEr");
}

}  // namespace marovix
