#pragma once
#include "core/ports/Registry.h"

namespace marovix {

// Linux has no registry: every lookup finds nothing.
class EmptyRegistry : public Registry {
public:
    std::string localMachineString(const std::string&, const std::string&) const override { return {}; }
};

}  // namespace marovix
