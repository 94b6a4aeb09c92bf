#pragma once
// The record-by-record method of the stored-data download, kept as the reference the download's day
// files are held to: JVOpen "RACEMING", JVStatus until every file is fetched, then each record that the
// download takes (decideRecord) is stored at once with StoreRecordLine / StoreRunnerLine, which load,
// update and save the whole day file for that one record. No window, no messages, no LastTime.
#include <cstdint>
#include <map>
#include <string>

#include "core/common/DateTime.h"

namespace marovix {

class JvLink;

struct ReferenceDownloadOptions {
    DateTime from;
    bool setupData = true;
    bool finalOdds = true;
    // Stops (with JVClose) after this many records were read; below 0: reads to the end.
    std::int64_t stopAfterRecords = -1;
};

struct ReferenceDownloadResult {
    bool completed = false;  // JVRead 0 after every offered file ended
    std::int64_t records = 0;
    std::string failure;  // a JV-Link error or a day file that could not be written
};

ReferenceDownloadResult referenceDownload(JvLink& jvLink, const std::string& dataFolder,
                                          const ReferenceDownloadOptions& options);

// Every file of a folder by name, with its bytes (the folders of a Data folder are not descended into).
std::map<std::string, std::string> folderFiles(const std::string& folder);

}  // namespace marovix
