#pragma once
// One generated meeting day as the seed maker takes it apart: the demo-data generator writes the feed of
// 6 January 2024 into a work folder, the records of its stored and real-time files are gathered by type,
// and the stored records (with the mining of the day) are stored into day files as a download stores them.
#include <map>
#include <string>
#include <vector>

namespace marovix::fuzz {

class DemoRecords {
public:
    // Writes the feed and the day files below `workFolder`; an empty problem() when all went well.
    explicit DemoRecords(const std::string& workFolder);

    const std::string& problem() const { return m_problem; }
    const std::string& feedFolder() const { return m_feed; }

    // Every record of `type` the feed holds (whole, with CR LF), stored files first, in file order.
    const std::vector<std::string>& records(const std::string& type) const;
    // The lines of a day file of the day (e.g. ".jvRA", "中山.jvSEr"), without their CR LF.
    std::vector<std::string> dayFile(const std::string& tail) const;
    // The lines of a file below the feed's companions folder.
    std::vector<std::string> companion(const std::string& tail) const;

    static constexpr const char* kDayText = "2024年01月06日";

private:
    std::string m_feed;
    std::string m_data;
    std::string m_problem;
    std::map<std::string, std::vector<std::string>> m_records;
};

// The lines joined, each followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);
// The first `count` lines.
std::vector<std::string> firstLines(const std::vector<std::string>& lines, std::size_t count);
// The record without its CR LF.
std::string withoutLineEnd(const std::string& record);

}  // namespace marovix::fuzz
