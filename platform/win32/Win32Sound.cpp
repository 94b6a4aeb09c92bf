#include "platform/win32/Win32Sound.h"

#include <windows.h>

#include <mmsystem.h>

#include "core/common/TextFile.h"
#include "platform/win32/WideText.h"

namespace marovix {

void Win32Sound::play(const std::string& path) {
    if (!fileExists(path)) return;
    PlaySoundW(widePath(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void systemBeep() { MessageBeep(MB_OK); }

}  // namespace marovix
