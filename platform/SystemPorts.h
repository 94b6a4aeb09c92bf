#pragma once
// The adapters of the ports that differ between the systems the program is built for, under one name
// each, so that a front-end wires the same names everywhere: the registry (empty on Linux, the local
// machine's on Windows) and the vote plug-in's launcher (posix_spawn, ShellExecuteExW).
#ifdef _WIN32
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32VotePluginLauncher.h"
#else
#include "platform/EmptyRegistry.h"
#include "platform/PosixVotePluginLauncher.h"
#endif

namespace marovix {

#ifdef _WIN32
using SystemRegistry = Win32Registry;
using SystemVotePluginLauncher = Win32VotePluginLauncher;
#else
using SystemRegistry = EmptyRegistry;
using SystemVotePluginLauncher = PosixVotePluginLauncher;
#endif

}  // namespace marovix
