#include "core/auto/AlarmSound.h"

#include "core/common/TextFile.h"
#include "core/ports/Sound.h"

namespace marovix {

std::string missingSoundText(const std::string& path) { return "通知音ファイルが見つかりません：" + path; }

void playSoundFile(Sound& sound, const std::string& path, const std::function<void(const std::string&)>& report) {
    if (path.empty() || !fileExists(path)) {
        if (report) report(missingSoundText(path));
        return;
    }
    sound.play(path);
}

}  // namespace marovix
