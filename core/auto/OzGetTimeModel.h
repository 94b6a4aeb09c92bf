#pragma once
// The timing window "データﾞ自動取得時刻指定" (TOzGetTimeForm): the four timing spin edits of automatic
// operation and the two alert sounds, each chosen from the *.wav files of the Windows folder's Media
// subfolder. A click on a sound file stores it at once; the timing is stored only by OK. A new model is
// made for each opening of the window.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

class Dialogs;
class Settings;
class Sound;
struct SettingKey;

// The spin edits, in the order the window shows them.
enum class OzGetSpin { SpinEdit3, SpinEdit4, SpinEdit5, SpinEdit1, Count };

struct OzGetSpinRow {
    std::string_view name;  // "SpinEdit3"
    int minimum;            // the range the edit accepts
    int maximum;
    std::string_view caption;  // the text after the edit ("分", "秒前", "秒", "分間隔")
    const SettingKey& key;     // Time/AutoOzGet ...
};
const OzGetSpinRow& ozGetSpinRow(OzGetSpin spin);

// The two sounds: after a scheduled odds fetch (FileListBox1, WavOzLabel, PlaySoundBtn) and after an
// automatic vote (FileListBox2, WavTohyoLabel, PlaySoundTohyoBtn).
enum class AlarmSoundId { Oz, Tohyo, Count };
const SettingKey& alarmSoundKey(AlarmSoundId sound);

class OzGetTimeModel {
public:
    // `report` takes the line of a sound file that cannot be played (the error log); a setting that cannot
    // be written is shown through `dialogs`. REQUIRES: settings, sound and dialogs outlive the model.
    OzGetTimeModel(Settings& settings, std::string windowsFolder, Sound& sound, Dialogs& dialogs,
                   std::function<void(const std::string&)> report);

    // The spin edits as they show; a value set is kept within the edit's range.
    int spin(OzGetSpin spin) const { return m_spins[static_cast<std::size_t>(spin)]; }
    void setSpin(OzGetSpin spin, int value);
    // The *.wav files of the Media folder, by name, as both lists show them.
    const std::vector<std::string>& wavFiles() const { return m_wavFiles; }
    // WavOzLabel / WavTohyoLabel: the file name (without folder) of the sound's setting.
    const std::string& label(AlarmSoundId sound) const { return m_labels[static_cast<std::size_t>(sound)]; }
    const std::string& mediaFolder() const { return m_media; }

    // FileListBox1Click / FileListBox2Click on file `index`: its full path stored at once, its name shown.
    Status FileListBoxClick(AlarmSoundId sound, int index);
    // A double click on file `index` plays it.
    void FileListBoxDblClick(int index);
    // A double click on a sound label plays the file of its setting.
    void WavLabelDblClick(AlarmSoundId sound);
    // "再生" plays the Media folder's file of the label's name.
    void PlaySoundBtnClick(AlarmSoundId sound);
    // BitBtn1 (OK): the four timing keys from the spin edits, then each sound stored as the Media folder's
    // file of its label's name, and its name shown again. Stops at the first write that fails.
    Status BitBtn1Click();

private:
    void play(const std::string& path);
    Status shown(Status status);

    Settings& m_settings;
    std::string m_media;
    Sound& m_sound;
    Dialogs& m_dialogs;
    std::function<void(const std::string&)> m_report;
    std::array<int, static_cast<std::size_t>(OzGetSpin::Count)> m_spins{};
    std::vector<std::string> m_wavFiles;
    std::array<std::string, static_cast<std::size_t>(AlarmSoundId::Count)> m_labels;
};

}  // namespace marovix
