#include "core/session/DayLoad.h"

#include "core/common/TextFile.h"

namespace marovix {

DayLoad loadDay(DayFiles files, const std::string& tcsvFolder, const DayLoadSettings& settings,
                const std::function<void()>& progress) {
    DayLoad load{DaySession(std::move(files), settings.defaultStakes), false, {}, {}};
    DaySession& session = load.session;
    if (!fileExists(session.files().race)) return load;
    load.raceFileFound = true;
    if (Status read = session.readRaceRecords(settings.compiFolder, load.notes, progress); !read)
        load.notes.push_back(read.error());
    session.readPayouts(-1, load.notes);
    session.readMining(load.notes);
    session.readDayOdds(load.notes);
    if (Status read = session.readUmaSet(); !read) load.errors.push_back(read.error());
    session.readOwnIndexes(tcsvFolder, settings.ownIndexNames[0], settings.ownIndexNames[1], load.notes);
    return load;
}

}  // namespace marovix
