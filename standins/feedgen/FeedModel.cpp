#include "standins/feedgen/FeedModel.h"

#include <algorithm>

namespace marovix::feedgen {

int Race::starters() const {
    return static_cast<int>(
        std::count_if(runners.begin(), runners.end(), [](const Runner& r) { return !r.scratched; }));
}

}  // namespace marovix::feedgen
