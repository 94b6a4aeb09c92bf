#pragma once
// The main window's state: its grids (each with named columns), its labels, its options, the day and
// race it shows and its log lines. The main model owns it and hands it out read-only; its handlers change
// it through the operations of the subsystems and then say which part changed (StatePart).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/common/MainGrids.h"
#include "core/common/MainLabels.h"
#include "core/common/WindowPlacement.h"
#include "core/kaime/SelectionControls.h"
#include "core/race/RaceSlot.h"
#include "core/results/PayoutPanel.h"
#include "core/session/RaceView.h"
#include "core/settings/MainOptions.h"

namespace marovix {

// The parts of the state a window repaints separately.
enum class StatePart {
    DayList,        // DateCombo's items
    ShownDay,       // which day is loaded (or none) and whether the race pages show
    RaceList,       // DatList's entries and selection, CurrentRace
    RaceCard,       // StringGrid26 and StringGrid1
    Selections,     // the eight bet-type grids
    CombinedList,   // AllKaimeGrid
    Payouts,        // the payout panel
    Labels,         // the named labels and their colours
    LogLines,       // the log window's AutoNaviList
    Balance,        // the IPAT balance label
    Options,        // menu ticks, radio groups, check boxes, filter edits, the active bet-type page
    Clock,          // the clock and time-to-post labels (changes every second; never rebuilds a grid)
    Progress,       // the progress pop-up
    Timers,         // which timers of the main window run
    UpcomingRaces,  // NowTimeRaceList's entries and selection
    IpatLog,        // the log window's IPATLogListBox
    Count
};

// The progress pop-up TPrgrsForm: its fixed title line, a text, a second line and a bar.
struct ProgressPopup {
    static constexpr const char* kTitle = "データを読み込んでいます";
    bool visible = false;
    std::string text;
    std::string secondLine;
    int position = 0;
    int maximum = 0;
    friend bool operator==(const ProgressPopup&, const ProgressPopup&) = default;
};

// The main window's timers that the handlers start and stop (the window runs them).
struct MainTimers {
    bool Timer2 = false;       // the clock
    bool CurRaceTimer = true;  // the upcoming-race list, every 30 s; runs from start-up
    bool HenkoTimer = false;   // change information, every 5 min, on today's meeting only
    bool HenkoJohoTimer = false;
    bool ZanDakaTimer = false;      // the follow-up of a balance query, every 500 ms while one runs
    bool TimerNavi = false;         // the automatic vote: while automatic operation is on
    bool FormDisableTimer = false;  // the red "操作注意" period after a scheduled odds fetch
    int formDisableIntervalMs = 0;  // FormDisableTimer's interval, set at each start
    int formDisableStarts = 0;      // FormDisableTimer's starts: each one (a fetch inside the red period) restarts it
    friend bool operator==(const MainTimers&, const MainTimers&) = default;
};

// The race view (race cards, selection grids, combined list, labels) that showing a race fills, and the
// rest of the main window.
struct MainState : RaceView {
    MainState();

    // Grids besides those of the race view.
    HyosuGrid hyosuGrid;
    OddsViewGrid oddsGrid;
    // Any grid as plain text, for views and dumps.
    const TextGrid& grid(GridId id) const;

    MainOptions options;
    // The odds-range edits, in the order Toz1A, Toz1B, Foz1A, Foz1B, ... SRToz1B.
    std::array<std::string, 16> ozSpan;
    // The stake edits TantohyoEdit ... SRTtohyoEdit as they show, in bet-type order: the shown race's
    // stake inputs, or what the user typed.
    std::array<std::string, 8> tohyoEdit;
    // The payout panel of the tab "結果" for the shown race.
    PayoutPanel payoutPanel;
    // Which multi check boxes show, in the order of kMultiBoxes (RefSpanBtn).
    std::array<bool, kMultiBoxes.size()> multiBoxVisible{};
    // The main window's placement; read from the settings (section locate, which holds the defaults) when
    // the window is created.
    WindowPlacement placement;

    // The meeting days of DateCombo, newest first.
    std::vector<std::string> dateCombo;
    // The DayText of the loaded day; nothing while no day is loaded.
    std::optional<std::string> shownDay;
    // Whether the race pages (PageControl1) show.
    bool racePagesVisible = false;
    // DatList's entry texts and the race slot each entry shows, in list order. A race whose record is
    // damaged has no entry, so an entry's position need not be its slot: whatever is kept per race is
    // reached through datListSlots.
    std::vector<std::string> datList;
    std::vector<RaceSlot> datListSlots;
    // CurrentRace: the race slot of the selected entry (-1 none).
    RaceSlot currentRace = -1;
    // The entry of DatList that shows `slot`; -1 when no entry does.
    int entryOfSlot(RaceSlot slot) const;
    // The race slot of DatList's entry `entry`; -1 outside the list.
    RaceSlot slotOfEntry(int entry) const;
    // The selected entry of DatList (-1 none).
    int currentEntry() const { return entryOfSlot(currentRace); }
    // Whether the time-to-post label shows (only on today's meeting).
    bool restTimeVisible = false;

    ProgressPopup progress;
    MainTimers timers;

    // The log window's list AutoNaviList (the day's run log) and its selected line (-1 none).
    std::vector<std::string> autoNaviList;
    int autoNaviSelected = -1;
    // The log window's IPATLogListBox: the vote plug-in's log of the selected race day.
    std::vector<std::string> ipatLogList;

    // NowTimeRaceList "直近R": the upcoming races of the loaded day by post time, and the selected entry
    // (-1 none).
    std::vector<std::string> nowTimeRaceList;
    int nowTimeRaceSelected = -1;
    // A balance query runs: IPATBalanceLabel and IPTZanDakaBtn show the busy cursor.
    bool balanceBusy = false;
};

}  // namespace marovix
