#pragma once
// The ten JRA courses as the generator lays races on them: distances with their track codes for turf,
// dirt and jump races.
#include <span>

namespace marovix::feedgen {

struct Layout {
    int distance;
    int trackCode;
};

struct CourseInfo {
    int code;
    std::span<const Layout> turf;
    std::span<const Layout> dirt;
    std::span<const Layout> jump;  // empty: no jump races
    int flatSpeedPercent;          // 100 = an average course
};

class CourseTable {
public:
    // REQUIRES: code 1..10.
    static const CourseInfo& course(int code);
};

}  // namespace marovix::feedgen
