#include "tests/support/ReferenceDownload.h"

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/jv/DownloadRecordRule.h"
#include "core/ports/JvLink.h"

namespace marovix {

ReferenceDownloadResult referenceDownload(JvLink& jvLink, const std::string& dataFolder,
                                          const ReferenceDownloadOptions& options) {
    ReferenceDownloadResult result;
    const std::string fromTime = options.from.compactText();
    const int fromDateNumber = std::stoi(fromTime.substr(0, 8));
    int readCount = 0, downloadCount = 0;
    std::string stamp;
    const int opened = jvLink.JVOpen("RACEMING", fromTime, options.setupData ? 3 : 1, readCount, downloadCount, stamp);
    if (opened != 0) {
        result.failure = "JVOpen " + std::to_string(opened);
        jvLink.JVClose();
        return result;
    }
    for (int status = 0; downloadCount > 0 && status != downloadCount;) {
        status = jvLink.JVStatus();
        if (status < 0) {
            result.failure = "JVStatus " + std::to_string(status);
            jvLink.JVClose();
            return result;
        }
    }
    std::string record, fileName;
    int filesRead = 0;
    for (;;) {
        if (options.stopAfterRecords >= 0 && result.records >= options.stopAfterRecords) break;
        const int r = jvLink.JVRead(record, 100000, fileName);
        if (r > 0) {
            ++result.records;
            RecordDecision decision = decideRecord(record, fromDateNumber, options.finalOdds);
            if (decision.outcome != RecordDecision::Outcome::Store) continue;
            const std::string path = joinPath(dataFolder, decision.fileName);
            Status stored = decision.runnerFile
                                ? StoreRunnerLine(path, decision.line)
                                : StoreRecordLine(path, decision.line, decision.dropEmptyFirstLine, decision.key);
            if (!stored) {
                result.failure = stored.error();
                break;
            }
        } else if (r == -1) {
            ++filesRead;
        } else if (r == 0) {
            result.completed = filesRead == readCount;
            break;
        } else if (r < -3) {
            result.failure = "JVRead " + std::to_string(r);
            break;
        }
    }
    jvLink.JVClose();
    return result;
}

std::map<std::string, std::string> folderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    // Through the file seam: the names in UTF-8 on every system.
    auto entries = listFolder(folder);
    if (!entries) return files;
    for (const auto& entry : *entries) {
        if (entry.kind != PathKind::Regular) continue;
        auto bytes = readFileBytes(joinPath(folder, entry.name));
        files[entry.name] = bytes.ok() ? *bytes : "(unreadable: " + bytes.error() + ")";
    }
    return files;
}

}  // namespace marovix
