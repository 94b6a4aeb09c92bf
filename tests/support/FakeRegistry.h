#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/ports/Registry.h"

namespace marovix {

// A registry with preset values: key path -> value of "Inno Setup: App Path" (or any value name).
class FakeRegistry : public Registry {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    mutable std::vector<std::string> lookups;

    void set(const std::string& keyPath, const std::string& valueName, const std::string& value) {
        values[{keyPath, valueName}] = value;
    }
    std::string localMachineString(const std::string& keyPath, const std::string& valueName) const override {
        lookups.push_back(keyPath);
        auto it = values.find({keyPath, valueName});
        return it == values.end() ? std::string() : it->second;
    }
};

}  // namespace marovix
