#pragma once
// A race day to vote on, for the tests of the vote command: races 10 and 11 of 26 May 2024 at Tokyo
// (post time 15:40, eight runners each) in an application folder, the vote plug-in's folder (with blanks
// in its path and its kaime folder) set, the clock at 15:30 and the main model on race 11.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/app/MainModel.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"

namespace marovix {

inline constexpr const char* kVoteDay = "2024年05月26日";

// Writes the day's race and runner files into appFolder/Data and makes `pluginFolder` with its kaime
// folder; false when a file cannot be written.
bool writeVoteDay(const std::string& appFolder, const std::string& pluginFolder);
// Puts rows into the quinella page as its builder leaves them (stake and total as allocation writes
// them) and turns to that page: {"消" or "", combination, odds, stake} each.
void putQuinellaRows(MainModel& model, const std::vector<std::array<const char*, 4>>& rows);

class VoteDayTest : public ::testing::Test {
protected:
    static constexpr const char* kDay = kVoteDay;

    void SetUp() override;
    void setting(const SettingKey& key, const std::string& value);
    // A new main model on the same folders (a restart), the day loaded and race `race` shown.
    void restart(int race = 1);
    // The rows of the quinella page as its builder leaves them (stake and total as allocation writes
    // them), the page showing: {"消" or "", combination, odds, stake} each.
    void quinellaRows(std::vector<std::array<const char*, 4>> rows);
    // Shows race-list entry `index` (0: race 10, 1: race 11) with one quinella row of `combination`.
    void raceWithRow(int index, const char* combination);
    std::string voteFile();
    std::vector<std::string> logTail(std::size_t n);
    // The day log as the file holds it (UTF-8 lines).
    std::vector<std::string> logFile();

    TempFolder folder;
    FakeMainPorts fakes;
    // The launcher the model is made with at the next restart (the fake one when null).
    VotePluginLauncher* launcher = nullptr;
    std::unique_ptr<MainModel> model;
    std::string plugin;
};

}  // namespace marovix
