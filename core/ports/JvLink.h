#pragma once
// Port: the JV-Link data component. The operations keep JV-Link's names and result codes:
// 0 success, negative codes are errors (see JvMessage), JVRead's positive result is the record size.
#include <string>

namespace marovix {

class JvLink {
public:
    virtual ~JvLink() = default;

    // Presence check at program start (creating an instance of the component succeeds).
    virtual bool isInstalled() = 0;
    virtual int JVInit(const std::string& softwareId) = 0;
    // Shows the component's own settings dialog; 0 when done.
    virtual int JVSetUIProperties() = 0;
    // Opens stored data since fromTime ("yyyymmddhhnnss"); option 1 normal, 3 setup data.
    // 0 opened, -1 nothing newer, other negative: error.
    virtual int JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount,
                       int& downloadCount, std::string& lastFileTimestamp) = 0;
    // Files downloaded so far; negative: error.
    virtual int JVStatus() = 0;
    // Opens real-time data of a dataspec for a race or day key.
    virtual int JVRTOpen(const std::string& dataspec, const std::string& key) = 0;
    // Above 0: one record in `record` as CP932 bytes ending in CR LF, the result being its size;
    // 0 all read; -1 next file; -2/-3 call again; below -3 error.
    virtual int JVRead(std::string& record, int size, std::string& fileName) = 0;
    virtual int JVCancel() = 0;
    virtual int JVClose() = 0;
};

}  // namespace marovix
