#include "core/auto/OzGetTimeModel.h"

#include <algorithm>

#include "core/auto/AlarmSound.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/ports/Dialogs.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

const OzGetSpinRow kSpinRows[] = {
    {"SpinEdit3", 0, 59, "分", settings::TimeAutoOzGet},
    {"SpinEdit4", 0, 59, "秒前", settings::TimeAutoOzGetSec},
    {"SpinEdit5", 2, 60, "秒", settings::TimeAutoTohyoInterval},
    {"SpinEdit1", 5, 59, "分間隔", settings::TimeAutoRdataGet},
};
static_assert(std::size(kSpinRows) == static_cast<std::size_t>(OzGetSpin::Count));

// The "*.wav" files of `folder` by name; the mask matches the extension in any case, as the Windows folder's
// file list does.
std::vector<std::string> wavFilesOf(const std::string& folder) {
    std::vector<std::string> files;
    auto entries = listFolder(folder);
    if (!entries) return files;
    for (FolderEntry& entry : *entries) {
        std::string& name = entry.name;
        if (name.size() <= 4) continue;
        std::string tail = name.substr(name.size() - 4);
        std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
        if (tail != ".wav" || !fileExists(joinPath(folder, name))) continue;
        files.push_back(std::move(name));
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The file name of a path, whichever separator it was written with (a settings file may come from Windows).
std::string soundNameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

const OzGetSpinRow& ozGetSpinRow(OzGetSpin spin) { return kSpinRows[static_cast<std::size_t>(spin)]; }

const SettingKey& alarmSoundKey(AlarmSoundId sound) {
    return sound == AlarmSoundId::Oz ? settings::InfoSettingsOzAlarm : settings::InfoSettingsTohyoAlarm;
}

OzGetTimeModel::OzGetTimeModel(Settings& settings, std::string windowsFolder, Sound& sound, Dialogs& dialogs,
                               std::function<void(const std::string&)> report)
    : m_settings(settings),
      m_media(joinPath(windowsFolder, "Media")),
      m_sound(sound),
      m_dialogs(dialogs),
      m_report(std::move(report)),
      m_wavFiles(wavFilesOf(m_media)) {
    for (int spin = 0; spin < static_cast<int>(OzGetSpin::Count); ++spin)
        m_spins[static_cast<std::size_t>(spin)] = m_settings.readInt(kSpinRows[spin].key);
    for (int sound = 0; sound < static_cast<int>(AlarmSoundId::Count); ++sound)
        m_labels[static_cast<std::size_t>(sound)] =
            soundNameOf(m_settings.readText(alarmSoundKey(static_cast<AlarmSoundId>(sound))));
}

void OzGetTimeModel::setSpin(OzGetSpin spin, int value) {
    const OzGetSpinRow& row = ozGetSpinRow(spin);
    m_spins[static_cast<std::size_t>(spin)] = std::clamp(value, row.minimum, row.maximum);
}

Status OzGetTimeModel::FileListBoxClick(AlarmSoundId sound, int index) {
    if (index < 0 || index >= static_cast<int>(m_wavFiles.size())) return Status::success();
    const std::string& name = m_wavFiles[static_cast<std::size_t>(index)];
    m_labels[static_cast<std::size_t>(sound)] = name;
    return shown(m_settings.writeText(alarmSoundKey(sound), joinPath(m_media, name)));
}

void OzGetTimeModel::FileListBoxDblClick(int index) {
    if (index < 0 || index >= static_cast<int>(m_wavFiles.size())) return;
    play(joinPath(m_media, m_wavFiles[static_cast<std::size_t>(index)]));
}

void OzGetTimeModel::WavLabelDblClick(AlarmSoundId sound) { play(m_settings.readText(alarmSoundKey(sound))); }

void OzGetTimeModel::PlaySoundBtnClick(AlarmSoundId sound) {
    play(joinPath(m_media, m_labels[static_cast<std::size_t>(sound)]));
}

Status OzGetTimeModel::BitBtn1Click() {
    for (int spin = 0; spin < static_cast<int>(OzGetSpin::Count); ++spin) {
        const auto which = static_cast<OzGetSpin>(spin);
        // A value typed beyond the edit's range is taken at the range's end, as the edit shows it.
        setSpin(which, this->spin(which));
        if (Status written = m_settings.writeInt(kSpinRows[spin].key, this->spin(which)); !written)
            return shown(written);
    }
    for (int sound = 0; sound < static_cast<int>(AlarmSoundId::Count); ++sound) {
        const auto which = static_cast<AlarmSoundId>(sound);
        std::string& label = m_labels[static_cast<std::size_t>(sound)];
        const std::string path = joinPath(m_media, label);
        if (Status written = m_settings.writeText(alarmSoundKey(which), path); !written) return shown(written);
        label = soundNameOf(path);
    }
    return Status::success();
}

void OzGetTimeModel::play(const std::string& path) { playSoundFile(m_sound, path, m_report); }

Status OzGetTimeModel::shown(Status status) {
    if (!status) m_dialogs.error(status.error());
    return status;
}

}  // namespace marovix
