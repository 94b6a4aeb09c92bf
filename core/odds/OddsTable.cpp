#include "core/odds/OddsTable.h"

#include <cstring>
#include <type_traits>

namespace marovix {

// A table is plain arrays of numbers, and all-zero bytes are 0 and 0.0: clearing is one memset.
static_assert(std::is_trivially_copyable_v<OddsTable>);

void OddsTable::clear() { std::memset(static_cast<void*>(this), 0, sizeof *this); }

std::span<double> OddsTable::combinationOdds(OddsKind kind) {
    switch (kind) {
        case OddsKind::O1: return WROdds;
        case OddsKind::O2: return UROdds;
        case OddsKind::O3: return WDOddsLow;
        case OddsKind::O4: return UTOdds;
        case OddsKind::O5: return SRFOdds;
        case OddsKind::O6: return SRTOdds;
    }
    return {};
}

std::span<int> OddsTable::combinationPopularity(OddsKind kind) {
    switch (kind) {
        case OddsKind::O1: return WRPop;
        case OddsKind::O2: return URPop;
        case OddsKind::O3: return WDPop;
        case OddsKind::O4: return UTPop;
        case OddsKind::O5: return SRFPop;
        case OddsKind::O6: return SRTPop;
    }
    return {};
}

std::span<const double> OddsTable::combinationOdds(OddsKind kind) const {
    return const_cast<OddsTable*>(this)->combinationOdds(kind);
}

std::span<const int> OddsTable::combinationPopularity(OddsKind kind) const {
    return const_cast<OddsTable*>(this)->combinationPopularity(kind);
}

}  // namespace marovix
