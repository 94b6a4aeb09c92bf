#pragma once
// The payout record HR of a race: refunds of scratched horses and every winning combination of the
// eight bet types with its payout per 100 yen and popularity; unused entries are zeros.
#include "standins/feedgen/FeedModel.h"
#include "standins/feedgen/PayoutModel.h"
#include "standins/feedgen/RecordHeader.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::feedgen {

class PayoutRecordWriter {
public:
    static RecordBuilder record(const Race& race, const Payout& payout, const RecordStamp& stamp);
};

}  // namespace marovix::feedgen
