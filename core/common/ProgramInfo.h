#pragma once
// What the program says about itself, in one place.

namespace marovix {

// The main window's caption and the application title.
inline constexpr const char* kProgramTitle = "Marovix　中央競馬版";
// Shown by the About window and appended to the software identifier.
inline constexpr const char* kVersionText = "Version.1.18";
// The identifier handed to JVInit: the fixed identifier registered for the program (two codes and the
// product name, each followed by "/"), followed at once by the version text.
inline constexpr const char* kSoftwareIdPrefix = "UNKNOWN/MRVX/Marovix/";
// The program's shared-data folder (the Windows folder of the original platform, holding Media/ with the
// alert sounds), below the executable's folder.
inline constexpr const char* kSharedDataFolderName = "share";

}  // namespace marovix
