#include "core/auto/AlarmSound.h"

#include <sys/stat.h>

#include "core/ports/Sound.h"

namespace marovix {

std::string missingSoundText(const std::string& path) { return "通知音ファイルが見つかりません：" + path; }

void playSoundFile(Sound& sound, const std::string& path, const std::function<void(const std::string&)>& report) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        if (report) report(missingSoundText(path));
        return;
    }
    sound.play(path);
}

}  // namespace marovix
