#pragma once
// The vote plug-in's folder as the program sees it: the names of its program and files, and the
// two of its files the program reads. Paths are the plug-in folder, "/" and the rest.
#include <optional>
#include <string>
#include <string_view>

namespace marovix {

inline constexpr std::string_view VotePluginProgramName = "VQMTohyoPlugIn2.exe";
// The plug-in's settings file (section IPAT, key INETID).
inline constexpr std::string_view VotePluginSettingsName = "VQMTohyoPlugIn2.ini";
// Left by the plug-in after a balance query; the third line holds "balance=" and the yen.
inline constexpr std::string_view BalanceFileName = "ipatbalance.ini";
// The folder of the vote files (the program never creates it) and that of the plug-in's day logs.
inline constexpr std::string_view VoteFileFolderName = "kaime";
inline constexpr std::string_view PluginLogFolderName = "logs";
// The program's own lock file in the kaime folder: held from writing a vote file until the plug-in run
// handed that file has ended, so two programs (two windows, a window and the command line) never replace
// a vote file that a run may still read.
inline constexpr std::string_view VoteLockFileName = "Marovix.lock";
// The parameter that asks the plug-in for the balance: one blank, then "money".
inline constexpr std::string_view BalanceQueryParameter = " money";

std::string VotePluginProgramPath(std::string_view pluginFolder);
// pluginFolder/kaime/Marovix.lock.
std::string VoteLockPath(std::string_view pluginFolder);
// The plug-in's log of a day: logs/yyyymmdd.log, `dateKey` being "yyyymmdd".
std::string PluginLogPath(std::string_view pluginFolder, std::string_view dateKey);

// The balance text: the third line of ipatbalance.ini with every "balance=" removed. Nothing when
// the file is missing or unreadable or has two lines or fewer.
std::optional<std::string> ReadBalanceFile(std::string_view pluginFolder);

// INETID of section IPAT of the plug-in's settings file, read as the settings component reads text
// (quotes and corner brackets stripped); "NO" when the file or key is missing.
std::string ReadPluginInetId(std::string_view pluginFolder);

}  // namespace marovix
