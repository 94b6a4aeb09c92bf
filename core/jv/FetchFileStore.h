#pragma once
// Where the real-time fetches put the records they take: the day data files of the data folder
// (DayDataFile.h) and the change files of the change folder, written through one day-file store for the whole of one
// stream: the store holds the stream's files in memory and saves each once when the stream ends. This is the one place
// that knows which store the fetches use.
#include <string>

#include "core/common/Result.h"
#include "core/jv/DayFileStore.h"
#include "core/jv/DownloadRecordRule.h"

namespace marovix {

class FetchFileStore {
public:
    enum class Stored {
        Yes,
        NoFile,  // a record only for an existing file, whose file does not exist: nothing was created
    };

    // `changeFolder` holds the change files (AppFolder/CHG).
    FetchFileStore(std::string dataFolder, std::string changeFolder);

    // Stores a record the fetch's rule took (REQUIRES: decision.outcome is Store) into its file of the data
    // folder or the change folder. The error names the file and the system's reason; the file is then as it was.
    Result<Stored> store(const RecordDecision& decision);
    // The stream has ended (or stopped): every record stored since it began is in its file afterwards. The
    // error names a file that could not be written.
    Status endStream();

    const std::string& dataFolder() const { return m_dataFolder; }

private:
    std::string m_dataFolder;
    std::string m_changeFolder;
    DayFileStore m_store;
};

}  // namespace marovix
