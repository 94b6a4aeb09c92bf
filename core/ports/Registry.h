#pragma once
// Port: read-only access to the local machine's registry (empty on Linux).
#include <string>

namespace marovix {

class Registry {
public:
    virtual ~Registry() = default;
    // The string value `valueName` of the local-machine key `keyPath`; empty when the key or value
    // does not exist.
    virtual std::string localMachineString(const std::string& keyPath, const std::string& valueName) const = 0;
};

}  // namespace marovix
