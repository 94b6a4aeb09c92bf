#pragma once
#include "core/ports/Registry.h"

namespace marovix {

// The local machine's registry, read only (RegOpenKeyExW on HKEY_LOCAL_MACHINE), in the view a 32-bit
// program has of it, where the 32-bit installers of the companion programs record their folders
// (WOW6432Node on a 64-bit Windows). Key paths and values are UTF-8 in the core, wide here. Only text
// values (REG_SZ, REG_EXPAND_SZ, unexpanded) are read; any other type reads as empty.
class Win32Registry : public Registry {
public:
    std::string localMachineString(const std::string& keyPath, const std::string& valueName) const override;
};

}  // namespace marovix
