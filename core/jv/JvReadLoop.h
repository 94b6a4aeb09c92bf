#pragma once
// One JV-Link stream from its open to its close, the same for the stored-data download, the real-time
// fetches, automatic operation and replays:
//
//   open    stored data (JVOpen: files to read, files still to fetch, the last file's time stamp) or
//           real-time data (JVRTOpen). Either open lowers the shared cancel flag first, so a cancel never
//           reaches past the run it was meant for.
//   status  one JVStatus against the download count: still fetching, all fetched, or an error.
//   read    JVRead until the end of the data (0), an error (below -3), a cancel, or a stop asked by the
//           handler. Pending events run before every call (a cancel clicked meanwhile is seen before the
//           next one); "call again" (-2, -3) goes through waitForData before the next call.
//   cancel  JVCancel, then the cancel flag is raised.
//   close   JVClose, after every open (also a failed one).
//
// The loop says nothing to the user: it reports what happened, and its caller shows and stores.
#include <cstdint>
#include <functional>
#include <string>

#include "core/jv/ReadCancelFlag.h"

namespace marovix {

class JvLink;

// How far a stream has come.
struct JvReadProgress {
    int filesToFetch = 0;      // JVOpen's download count (0 for real-time data)
    int filesFetched = 0;      // JVStatus's last count, up to filesToFetch
    int filesToRead = 0;       // JVOpen's read count; 0 when not known (real-time data)
    int filesRead = 0;         // files ended by JVRead -1
    std::int64_t records = 0;  // records read (JVRead above 0)
};

class JvReadLoop {
public:
    enum class Next { Continue, Stop };

    // What JVOpen gave.
    struct StoredOpening {
        enum class Kind {
            Opened,      // 0 with files to read
            NothingNew,  // -1, or 0 with a read count of 0
            Failed,      // any other result
        };
        Kind kind = Kind::Failed;
        int result = 0;
        int filesToRead = 0;
        int filesToFetch = 0;
        std::string lastFileTimestamp;  // as JV-Link gave it (may be blank or "00000000000000")
    };

    // One JVStatus.
    struct StatusStep {
        enum class Kind {
            Fetching,  // `result` files of filesToFetch are fetched
            Fetched,   // all of them: the read may start
            Beyond,    // a count above filesToFetch: nothing to do, ask again
            Failed,    // a negative result
        };
        Kind kind = Kind::Failed;
        int result = 0;  // JVStatus's result
    };

    // How a read ended.
    struct ReadEnd {
        enum class Kind {
            EndOfData,   // JVRead 0 after every file offered by JVOpen ended (or none was counted)
            EndedEarly,  // JVRead 0 before every file offered by JVOpen ended: the data are not complete
            Cancelled,   // the cancel flag was raised before a call, or JVRead 0 came while it was raised
            Stopped,     // a handler asked to stop
            Failed,      // JVRead below -3
        };
        Kind kind = Kind::EndOfData;
        int result = 0;  // JVRead's result for Failed
    };

    // What the read hands on. `record` is required; `fileEnded` is told after each JVRead -1, with the
    // progress already counting that file. Either may stop the read.
    struct Handler {
        std::function<Next(const std::string& record, const std::string& fileName)> record;
        std::function<Next(const JvReadProgress& progress)> fileEnded;
    };

    // REQUIRES: both outlive the loop.
    JvReadLoop(JvLink& jvLink, ReadCancelFlag& cancelFlag);

    // Lowers the cancel flag, then JVOpen. The progress starts again from the counts given.
    StoredOpening openStored(const std::string& dataspec, const std::string& fromTime, int option);
    // Lowers the cancel flag, then JVRTOpen; its result (0 opened, negative: error). The progress starts
    // again, with no files known.
    int openRealTime(const std::string& dataspec, const std::string& key);

    // One JVStatus against the download count of the last openStored. A count from 0 up to that count is
    // taken into the progress and told to `fetched`.
    StatusStep pollStatus();

    // Reads the open stream with JVRead's buffer size `bufferSize` until it ends (see ReadEnd).
    ReadEnd read(int bufferSize, const Handler& handler);

    // JVCancel, then the cancel flag is raised: a read in progress stops before its next JVRead.
    void cancel();
    // JVClose; its result.
    int close();

    const JvReadProgress& progress() const { return m_progress; }
    const ReadCancelFlag& cancelFlag() const { return m_cancelFlag; }

    // Lets pending events run (the window's event loop); called before every JVRead. May cancel.
    std::function<void()> processEvents;
    // Called with -2 or -3 before JVRead is called again: the place to wait a moment, so that a
    // component that keeps asking is not called at full speed. May cancel.
    std::function<void(int result)> waitForData;
    // Told after a status step counted files fetched.
    std::function<void(const JvReadProgress& progress)> fetched;

private:
    JvLink& m_jvLink;
    ReadCancelFlag& m_cancelFlag;
    JvReadProgress m_progress;
    std::string m_record;    // JVRead's buffer, reused
    std::string m_fileName;  // the file of the record in m_record
};

}  // namespace marovix
