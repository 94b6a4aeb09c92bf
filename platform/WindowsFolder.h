#pragma once
// The folder the program takes its default alert sounds from ("Media" below it): the Windows folder on
// Windows (GetWindowsDirectoryW), the program's shared-data folder beside its executable elsewhere.
#include <string>

namespace marovix {

std::string windowsFolder(const std::string& executableFolder);

}  // namespace marovix
