#pragma once
// Every section, key and default of the settings file, written once. Code reads and writes a
// setting only through these rows (see Settings.h), so no default is repeated anywhere else.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace marovix {

enum class SettingType { Bool, Integer, Text };

// Defaults that only the running program knows (see Settings::defaultText).
enum class RunDefault {
    None,           // the row's own default
    AppFolder,      // the application folder
    WindowsMedia,   // the Windows folder + "/Media/" + the row's text
    YearBeforeNow,  // the local time 365 days ago, "yyyy/mm/dd hh:nn:ss"
};

struct SettingKey {
    std::string_view section;
    std::string_view key;
    SettingType type;
    std::int32_t number = 0;     // default of a Bool (0 or 1) or Integer row
    std::string_view text = {};  // default of a Text row; the file name for WindowsMedia
    RunDefault run = RunDefault::None;
};

// A race-filter list of the strategy window: one Integer key per item, the item index in two
// digits ("00", "01", …); 1 selects the item, 0 clears it. A missing item takes the value read for
// the item before it (see Settings::readList).
struct SettingList {
    std::string_view section;
    int itemCount;
};

// The settings file's name in the application folder.
inline constexpr std::string_view SettingsFileName = "Marovix.ini";

namespace settings {

constexpr SettingKey boolKey(std::string_view section, std::string_view key, bool value) {
    return {section, key, SettingType::Bool, value ? 1 : 0};
}
constexpr SettingKey intKey(std::string_view section, std::string_view key, std::int32_t value) {
    return {section, key, SettingType::Integer, value};
}
constexpr SettingKey textKey(std::string_view section, std::string_view key, std::string_view value) {
    return {section, key, SettingType::Text, 0, value};
}
constexpr SettingKey runKey(std::string_view section, std::string_view key, RunDefault run,
                            std::string_view text = {}) {
    return {section, key, SettingType::Text, 0, text, run};
}

// Bet-typed rows come as arrays in the order of the bet types: 0 win (Tan), 1 place (Fuk),
// 2 bracket quinella (WR), 3 quinella (UR), 4 quinella place (WD), 5 exacta (UT), 6 trio (SRF),
// 7 trifecta (SRT).
inline constexpr int BetTypeCount = 8;

// Companion-program folders. The start-up lookup and the vote test whether a folder was ever
// stored (Settings::readStoredText); every other reader falls back to the application folder.
inline constexpr SettingKey DirVQMTohyo2 = runKey("Dir", "VQMTohyo2", RunDefault::AppFolder);
inline constexpr SettingKey DirLumidex = runKey("Dir", "lumidex", RunDefault::AppFolder);
inline constexpr SettingKey DirJikeiretu = runKey("Dir", "jikeiretu", RunDefault::AppFolder);

// Window placements.
inline constexpr SettingKey LocateTop = intKey("locate", "top", 10);
inline constexpr SettingKey LocateLeft = intKey("locate", "left", 10);
inline constexpr SettingKey LocateWidth = intKey("locate", "width", 1100);
inline constexpr SettingKey LocateHeight = intKey("locate", "height", 750);
inline constexpr SettingKey LocateDETop = intKey("locateDE", "top", 10);
inline constexpr SettingKey LocateDELeft = intKey("locateDE", "left", 700);
inline constexpr SettingKey LocateDEWidth = intKey("locateDE", "width", 300);
inline constexpr SettingKey LocateDEHeight = intKey("locateDE", "height", 350);
inline constexpr SettingKey LocateKaiSetTop = intKey("locateKaiSet", "top", 10);
inline constexpr SettingKey LocateKaiSetLeft = intKey("locateKaiSet", "left", 700);
inline constexpr SettingKey IpatLogLocateTop = intKey("IpatLoglocate", "top", 10);
inline constexpr SettingKey IpatLogLocateLeft = intKey("IpatLoglocate", "left", 300);
inline constexpr SettingKey IpatLogLocateWidth = intKey("IpatLoglocate", "width", 600);
inline constexpr SettingKey IpatLogLocateHeight = intKey("IpatLoglocate", "height", 400);

// Odds filters per bet type, lower (A) and upper (B) bound, decimal numbers as text.
inline constexpr SettingKey OzSpanA[BetTypeCount] = {
    textKey("OzSpan", "Toz1A", "1.0"),   textKey("OzSpan", "Foz1A", "1.0"),   textKey("OzSpan", "WRoz1A", "1.0"),
    textKey("OzSpan", "URoz1A", "1.0"),  textKey("OzSpan", "WDoz1A", "1.0"),  textKey("OzSpan", "UToz1A", "1.0"),
    textKey("OzSpan", "SRFoz1A", "1.0"), textKey("OzSpan", "SRToz1A", "1.0"),
};
inline constexpr SettingKey OzSpanB[BetTypeCount] = {
    textKey("OzSpan", "Toz1B", "99999.9"),    textKey("OzSpan", "Foz1B", "99999.9"),
    textKey("OzSpan", "WRoz1B", "99999.9"),   textKey("OzSpan", "URoz1B", "999999.9"),
    textKey("OzSpan", "WDoz1B", "99999.9"),   textKey("OzSpan", "UToz1B", "999999.9"),
    textKey("OzSpan", "SRFoz1B", "999999.9"), textKey("OzSpan", "SRToz1B", "9999999.9"),
};
// The same rows by the names of their edits.
inline constexpr const SettingKey& OzSpanToz1A = OzSpanA[0];
inline constexpr const SettingKey& OzSpanToz1B = OzSpanB[0];
inline constexpr const SettingKey& OzSpanFoz1A = OzSpanA[1];
inline constexpr const SettingKey& OzSpanFoz1B = OzSpanB[1];
inline constexpr const SettingKey& OzSpanWRoz1A = OzSpanA[2];
inline constexpr const SettingKey& OzSpanWRoz1B = OzSpanB[2];
inline constexpr const SettingKey& OzSpanURoz1A = OzSpanA[3];
inline constexpr const SettingKey& OzSpanURoz1B = OzSpanB[3];
inline constexpr const SettingKey& OzSpanWDoz1A = OzSpanA[4];
inline constexpr const SettingKey& OzSpanWDoz1B = OzSpanB[4];
inline constexpr const SettingKey& OzSpanUToz1A = OzSpanA[5];
inline constexpr const SettingKey& OzSpanUToz1B = OzSpanB[5];
inline constexpr const SettingKey& OzSpanSRFoz1A = OzSpanA[6];
inline constexpr const SettingKey& OzSpanSRFoz1B = OzSpanB[6];
inline constexpr const SettingKey& OzSpanSRToz1A = OzSpanA[7];
inline constexpr const SettingKey& OzSpanSRToz1B = OzSpanB[7];

// Menu switches. `Tohyo` and `tohyo` differ in case only: the file holds them as one section.
inline constexpr SettingKey TohyoSimMode = boolKey("Tohyo", "SimMode", false);
inline constexpr SettingKey TohyoDupOK = boolKey("tohyo", "DupOK", false);
inline constexpr SettingKey NotGetDataMining = boolKey("NotGetData", "Mining", false);
inline constexpr SettingKey NotGetDataKekka = boolKey("NotGetData", "Kekka", false);
inline constexpr SettingKey PlaySound1 = boolKey("Play", "Sound1", true);
inline constexpr SettingKey PlaySoundTohyo = boolKey("Play", "SoundTohyo", true);
inline constexpr SettingKey OzGetOverWriteOK = boolKey("OzGet", "OverWriteOK", false);

// Buying methods: two-horse types 0 "Box", 1 "流し"; three-horse types 0 "BOX", 1 "1軸流し",
// 2 "2軸流し", 3 "ﾌｫｰﾒｰｼｮﾝ".
inline constexpr SettingKey KaikataWR = intKey("Kaikata", "WR", 0);
inline constexpr SettingKey KaikataUR = intKey("Kaikata", "UR", 0);
inline constexpr SettingKey KaikataWD = intKey("Kaikata", "WD", 0);
inline constexpr SettingKey KaikataUT = intKey("Kaikata", "UT", 0);
inline constexpr SettingKey KaikataSRF = intKey("Kaikata", "SRF", 0);
inline constexpr SettingKey KaikataSRT = intKey("Kaikata", "SRT", 0);

inline constexpr SettingKey MultiSetUmatan = boolKey("MultiSet", "Umatan", false);
inline constexpr SettingKey MultiSetSRTmulti = boolKey("MultiSet", "SRTmulti", false);
inline constexpr SettingKey MultiSetSRTmulti12 = boolKey("MultiSet", "SRTmulti12", false);
inline constexpr SettingKey MultiSetSRTmulti23 = boolKey("MultiSet", "SRTmulti23", false);
inline constexpr SettingKey MultiSetSRTmulti13 = boolKey("MultiSet", "SRTmulti13", false);

// Bet types that take part in the selection.
inline constexpr SettingKey BuyBaken[BetTypeCount] = {
    boolKey("BuyBaken", "Tan", false), boolKey("BuyBaken", "Fuk", false), boolKey("BuyBaken", "WR", false),
    boolKey("BuyBaken", "UR", false),  boolKey("BuyBaken", "WD", false),  boolKey("BuyBaken", "UT", false),
    boolKey("BuyBaken", "SRF", false), boolKey("BuyBaken", "SRT", false),
};

// Build method: 0 "順位指標指定", 1 "事前馬番指定", 2 "手動".
inline constexpr SettingKey KaimeSetShihyoSet = intKey("KaimeSet", "ShihyoSet", 0);
// Active page of the bet-type page control.
inline constexpr SettingKey KaimeSetTabIndex = intKey("KaimeSet", "TabIndex", 0);
// Stake allocation: 0 "均等", 1 "比例", 2 "均一", 3 "期配".
inline constexpr SettingKey KaimeSetHaibunSet = intKey("KaimeSet", "HaibunSet", 0);
// Investment amount in yen per bet type.
inline constexpr SettingKey KaimeSetDefaultAmount[BetTypeCount] = {
    intKey("KaimeSet", "DefaultAmountTan", 3000), intKey("KaimeSet", "DefaultAmountFuk", 3000),
    intKey("KaimeSet", "DefaultAmountWR", 3000),  intKey("KaimeSet", "DefaultAmountUR", 3000),
    intKey("KaimeSet", "DefaultAmountWD", 3000),  intKey("KaimeSet", "DefaultAmountUT", 3000),
    intKey("KaimeSet", "DefaultAmountSRF", 3000), intKey("KaimeSet", "DefaultAmountSRT", 3000),
};

// Bet type (0 "単勝" … 7 "３連単") of the main window's radio group and of the odds view.
inline constexpr SettingKey KaimemakeKakesiki = intKey("kaimemake", "kakesiki", 0);
inline constexpr SettingKey OzViewKakesiki = intKey("OzView", "kakesiki", 0);
inline constexpr SettingKey DispNotRefresh = boolKey("Disp", "NotRefresh", false);

// Timing of automatic operation.
inline constexpr SettingKey TimeAutoOzGet = intKey("Time", "AutoOzGet", 10);
inline constexpr SettingKey TimeAutoOzGetSec = intKey("Time", "AutoOzGetSec", 0);
inline constexpr SettingKey TimeAutoTohyoInterval = intKey("Time", "AutoTohyoInterval", 5);
inline constexpr SettingKey TimeAutoRdataGet = intKey("Time", "AutoRdataGet", 10);

// Alert sounds (file paths).
inline constexpr SettingKey InfoSettingsOzAlarm =
    runKey("InfoSettings", "OzAlarm", RunDefault::WindowsMedia, "Ring08.wav");
inline constexpr SettingKey InfoSettingsTohyoAlarm =
    runKey("InfoSettings", "TohyoAlarm", RunDefault::WindowsMedia, "Alarm05.wav");

// Download window. LastTime is "yyyy/mm/dd hh:nn:ss"; the first download ever is told by a
// LastTime never stored (Settings::readStoredText).
inline constexpr SettingKey JvDataGetKakuteiOzGet = boolKey("JvDataGet", "KakuteiOzGet", true);
inline constexpr SettingKey JvDataGetLastTime = runKey("JvDataGet", "LastTime", RunDefault::YearBeforeNow);

// Strategy window: indices of the marks ◎ ○ ▲ (0 "単人気" … 5 "独自指2"), own index files,
// pre-set horses borrowing the index marks, the stop rule and the target races.
inline constexpr SettingKey SihyoSel1 = intKey("Sihyo", "sel1", 0);
inline constexpr SettingKey SihyoSel2 = intKey("Sihyo", "sel2", 0);
inline constexpr SettingKey SihyoSel3 = intKey("Sihyo", "sel3", 0);
inline constexpr SettingKey OriginalSisu1 = textKey("original", "sisu1", "SisuA");
inline constexpr SettingKey OriginalSisu2 = textKey("original", "sisu2", "SisuB");
// 1 no stop rule, 2 stop above zandaka1, 3 stop below zandaka2.
inline constexpr SettingKey NaviQuitSel = intKey("NaviQuit", "Sel", 1);
inline constexpr SettingKey NaviQuitZandaka1 = intKey("NaviQuit", "zandaka1", 10000);
inline constexpr SettingKey NaviQuitZandaka2 = intKey("NaviQuit", "zandaka2", 5000);
inline constexpr SettingKey SetUmaMaru2 = boolKey("SetUma", "maru2", false);
inline constexpr SettingKey SetUmaMaru1 = boolKey("SetUma", "maru1", false);
inline constexpr SettingKey SetUmaSankaku = boolKey("SetUma", "sankaku", false);
// 0 "レース属性指定", 1 "個別レース指定".
inline constexpr SettingKey TaishoRPickWay = intKey("TaishoR", "PickWay", 0);
inline constexpr SettingKey RaceFilterKyori1 = intKey("RaceFilter", "Kyori1", 1000);
inline constexpr SettingKey RaceFilterKyori2 = intKey("RaceFilter", "Kyori2", 5000);

// Race-filter lists, in the order they are read; the first item of the first list defaults to the
// value read for NaviQuitSel.
inline constexpr SettingList BashoList{"bashoList", 10};
inline constexpr SettingList TrackList{"TrackList", 3};
inline constexpr SettingList ClassList{"ClassList", 10};
inline constexpr SettingList AgeList{"AgeList", 4};
inline constexpr SettingList JuryoList{"JuryoList", 4};
inline constexpr SettingList TosuList{"TosuList", 14};
inline constexpr int RaceFilterListCount = 6;
inline constexpr const SettingList* RaceFilterLists[RaceFilterListCount] = {
    &BashoList, &TrackList, &ClassList, &AgeList, &JuryoList, &TosuList,
};

// Every row above, once, for listing and checking the whole table.
std::span<const SettingKey* const> allKeys();

// The key of a list item: its index in two digits ("00", "07", "13").
std::string listItemKey(int index);

}  // namespace settings
}  // namespace marovix
