#pragma once
// The odds records O1 (win, place, bracket quinella), O2 (quinella), O3 (quinella place), O4
// (exacta), O5 (trio) and O6 (trifecta) of one race at one moment. An open entry holds its odds in
// 0.1 units and its popularity; an entry with a scratched horse holds "-" in its odds fields; a
// combination that cannot exist (a horse beyond the registered runners) is blank apart from its
// combination number.
#include "standins/feedgen/FeedModel.h"
#include "standins/feedgen/OddsBook.h"
#include "standins/feedgen/RecordHeader.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::feedgen {

class OddsRecordWriter {
public:
    // `kind` 1..6 for O1..O6.
    static RecordBuilder record(int kind, const Race& race, const OddsBook& book, const RecordStamp& stamp);
};

}  // namespace marovix::feedgen
