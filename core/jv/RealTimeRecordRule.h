#pragma once
// What a real-time fetch does with one record it reads: whether it is taken, which day file it goes to
// and how it is written there. Each stream takes its own types; any other type in a stream is skipped.
//
//   stream        type   taken when                                         file             zero 3-11  drop empty 1st
//   odds 0B30     O1-O6  kind not 0 (deleted) or 9 (cancelled), race > 0     .jvO1..O6        yes        yes
//   results 0B12  RA     race > 0, only into an existing file                .jvRA            yes        yes
//   results 0B12  SE     race 1..12, horse 1..18, only into an existing file <course>.jvSEr   no (fixed line)
//   results 0B12  HR     race > 0 (the file is created when missing)         .jvHR            no         no
//   mining 0B13   DM     race > 0                                            .jvDM            no         yes
//   mining 0B17   TM     race > 0                                            .jvTM            yes        yes
//
// The change files (CHG/<DayText>.WE, .AV, .TC) are kept by their own line keys (core/race/LineKeys.h);
// the JC and CC records the change stream also carries are not taken.
//
// So a result fetch only updates days whose race and runner files the download made, and the HR and DM
// lines it stores keep their data kind and creation date. A record of a taken type must have its type's
// exact length and a real date; one that does not is corrupt and never stored.
#include <string_view>

#include "core/jv/DownloadRecordRule.h"

namespace marovix {

// The real-time streams the fetches open.
enum class RealTimeStream {
    Odds,         // "0B30": odds of a race
    Results,      // "0B12": race details, runners and payouts of a day or a race
    TimeMining,   // "0B13": time-type mining of a day
    MatchMining,  // "0B17": match-type mining of a day
    Changes,      // "0B14": weather and going, scratches and post-time changes of a day
};

// The stream's dataspec ("0B30" ...).
std::string_view realTimeDataspec(RealTimeStream stream);
// JVRead's buffer size for the stream: 100000 for odds, 60000 for the others.
int realTimeReadSize(RealTimeStream stream);

// The decision for `record` (CP932 bytes as read, normally ending in CR LF) read from `stream`. A decision
// to store carries no label (the fetches show none per record).
RecordDecision decideRealTimeRecord(RealTimeStream stream, std::string_view record);

}  // namespace marovix
