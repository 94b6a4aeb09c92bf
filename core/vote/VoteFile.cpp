#include "core/vote/VoteFile.h"

#include "core/common/TextFile.h"
#include "core/vote/VoteLine.h"
#include "core/vote/VotePluginFiles.h"

namespace marovix {

std::string VoteFileName(std::string_view raceKey16) {
    // yy (positions 3-4) and mmdd (positions 5-8) of the race key.
    return std::string(raceKey16.substr(2, 6)) + ".csv";
}

std::string VoteFilePath(std::string_view pluginFolder, std::string_view raceKey16) {
    return joinPath(joinPath(pluginFolder, VoteFileFolderName), VoteFileName(raceKey16));
}

Result<std::string> WriteVoteFile(std::string_view pluginFolder, std::string_view raceKey16,
                                  const std::vector<std::string>& lines) {
    if (Status key = checkVoteRaceKey(raceKey16); !key) return Error{key.error()};
    std::string path = VoteFilePath(pluginFolder, raceKey16);
    if (Status written = writeTextLines(path, lines); !written) return Error{written.error()};
    return path;
}

}  // namespace marovix
