// The timing window: its spin edits within their ranges, the sound lists of the Media folder, a sound
// stored by its click, the timing stored only by OK, and sounds played (a missing one reported).
#include "core/auto/OzGetTimeModel.h"

#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeSound.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::oz_get_time_model_test {
namespace {

class OzGetTimeModelTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeClock clock{DateTime{2024, 5, 26, 9, 0, 0}};
    FakeSound sound;
    FakeDialogs dialogs;
    std::vector<std::string> reported;
    std::string share = folder.file("share");
    std::string media = folder.file("share/Media");
    Settings settings{folder.path(), share, clock};

    void SetUp() override {
        ASSERT_TRUE(writeAlertSounds(share).ok());
        ASSERT_TRUE(replaceFile(media + nativePath("/LOUD.WAV"), "RIFF").ok());
        ASSERT_TRUE(replaceFile(media + nativePath("/readme.txt"), "").ok());
    }
    OzGetTimeModel open() {
        return OzGetTimeModel(settings, share, sound, dialogs,
                              [this](const std::string& text) { reported.push_back(text); });
    }
};

TEST_F(OzGetTimeModelTest, OpeningShowsTheSettingsAndTheWavFilesOfTheMediaFolder) {
    OzGetTimeModel window = open();
    EXPECT_EQ(window.spin(OzGetSpin::SpinEdit3), 10);
    EXPECT_EQ(window.spin(OzGetSpin::SpinEdit4), 0);
    EXPECT_EQ(window.spin(OzGetSpin::SpinEdit5), 5);
    EXPECT_EQ(window.spin(OzGetSpin::SpinEdit1), 10);
    EXPECT_EQ(window.wavFiles(), (std::vector<std::string>{"Alarm05.wav", "LOUD.WAV", "Ring08.wav", "chimes.wav"}));
    EXPECT_EQ(window.label(AlarmSoundId::Oz), "Ring08.wav");
    EXPECT_EQ(window.label(AlarmSoundId::Tohyo), "Alarm05.wav");
}

TEST_F(OzGetTimeModelTest, TheSpinEditsKeepTheirRanges) {
    OzGetTimeModel window = open();
    struct Case {
        OzGetSpin spin;
        int typed;
        int shown;
    };
    for (const Case& c :
         {Case{OzGetSpin::SpinEdit3, 60, 59}, Case{OzGetSpin::SpinEdit3, 0, 0}, Case{OzGetSpin::SpinEdit4, -1, 0},
          Case{OzGetSpin::SpinEdit5, 1, 2}, Case{OzGetSpin::SpinEdit5, 61, 60}, Case{OzGetSpin::SpinEdit1, 4, 5},
          Case{OzGetSpin::SpinEdit1, 59, 59}}) {
        window.setSpin(c.spin, c.typed);
        EXPECT_EQ(window.spin(c.spin), c.shown) << ozGetSpinRow(c.spin).name << " " << c.typed;
    }
}

TEST_F(OzGetTimeModelTest, ASoundClickedIsStoredAtOnceAndTheTimingOnlyByOK) {
    {
        OzGetTimeModel window = open();
        window.setSpin(OzGetSpin::SpinEdit3, 3);
        ASSERT_TRUE(window.FileListBoxClick(AlarmSoundId::Oz, 3).ok());  // chimes.wav
        EXPECT_EQ(window.label(AlarmSoundId::Oz), "chimes.wav");
    }  // closed without OK
    EXPECT_EQ(settings.readText(settings::InfoSettingsOzAlarm), media + nativePath("/chimes.wav"));
    EXPECT_EQ(settings.readInt(settings::TimeAutoOzGet), 10);
    OzGetTimeModel window = open();
    EXPECT_EQ(window.label(AlarmSoundId::Oz), "chimes.wav");
    window.setSpin(OzGetSpin::SpinEdit3, 3);
    window.setSpin(OzGetSpin::SpinEdit4, 30);
    window.setSpin(OzGetSpin::SpinEdit5, 2);
    window.setSpin(OzGetSpin::SpinEdit1, 5);
    ASSERT_TRUE(window.BitBtn1Click().ok());
    EXPECT_EQ(settings.readInt(settings::TimeAutoOzGet), 3);
    EXPECT_EQ(settings.readInt(settings::TimeAutoOzGetSec), 30);
    EXPECT_EQ(settings.readInt(settings::TimeAutoTohyoInterval), 2);
    EXPECT_EQ(settings.readInt(settings::TimeAutoRdataGet), 5);
}

TEST_F(OzGetTimeModelTest, OKPutsASoundStoredOutsideTheMediaFolderInsideItKeepingItsName) {
    ASSERT_TRUE(settings.writeText(settings::InfoSettingsTohyoAlarm, folder.file("own/fanfare.wav")).ok());
    OzGetTimeModel window = open();
    EXPECT_EQ(window.label(AlarmSoundId::Tohyo), "fanfare.wav");
    ASSERT_TRUE(window.BitBtn1Click().ok());
    EXPECT_EQ(settings.readText(settings::InfoSettingsTohyoAlarm), media + nativePath("/fanfare.wav"));
    EXPECT_EQ(settings.readText(settings::InfoSettingsOzAlarm), media + nativePath("/Ring08.wav"));
}

TEST_F(OzGetTimeModelTest, SoundsArePlayedFromTheirFilesAndAMissingOneIsReported) {
    ASSERT_TRUE(settings.writeText(settings::InfoSettingsTohyoAlarm, folder.file("own/fanfare.wav")).ok());
    OzGetTimeModel window = open();
    window.FileListBoxDblClick(1);
    window.PlaySoundBtnClick(AlarmSoundId::Oz);
    window.WavLabelDblClick(AlarmSoundId::Tohyo);
    window.PlaySoundBtnClick(AlarmSoundId::Tohyo);
    EXPECT_EQ(sound.played,
              (std::vector<std::string>{media + nativePath("/LOUD.WAV"), media + nativePath("/Ring08.wav")}));
    EXPECT_EQ(reported,
              (std::vector<std::string>{"通知音ファイルが見つかりません：" + folder.file("own/fanfare.wav"),
                                        "通知音ファイルが見つかりません：" + media + nativePath("/fanfare.wav")}));
}

}  // namespace
}  // namespace marovix::oz_get_time_model_test
