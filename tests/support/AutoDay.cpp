#include "tests/support/AutoDay.h"

#include "core/auto/Scheduler.h"
#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/FakeClock.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/ScriptedJvLink.h"
#include "tests/support/TestDayFiles.h"

namespace marovix {

Status writeAutoDay(const std::string& appFolder, const Clock& clock) {
    for (const char* folder : {"Data", "plugin", "plugin/kaime"})
        if (Status made = makeDirectory(joinPath(appFolder, folder)); !made) return made;
    if (Status written = writeTestDay(joinPath(appFolder, "Data"), 6, 10); !written) return written;
    if (Status written = writeAlertSounds(joinPath(appFolder, "share")); !written) return written;
    if (Status written = writeTextLines(joinPath(appFolder, "selecteduma.dat"),
                                        {"100000000000000000", "000000000000000000", "000000000000000000"});
        !written)
        return written;
    Settings settings(appFolder, joinPath(appFolder, "share"), clock);
    for (Status written :
         {settings.writeText(settings::DirVQMTohyo2, joinPath(appFolder, "plugin")),
          settings.writeBool(settings::BuyBaken[0], true), settings.writeInt(settings::KaimeSetDefaultAmount[0], 500),
          settings.writeInt(settings::TaishoRPickWay, 1),  // the test races carry no attributes
          settings.writeBool(settings::NotGetDataMining, true), settings.writeBool(settings::NotGetDataKekka, true)})
        if (!written) return written;
    return Status::success();
}

void queueWinOdds(ScriptedJvLink& jvLink, int race, int favourite) {
    jvLink.queueRTOpen(0);
    RecordBuilder o1 = oddstest::oddsRecord(1, "20240526", "05", race, "0208");
    o1.bytes(IdField::kindAndCreationDate, "120240526");
    for (int h = 1; h <= 10; ++h) oddstest::setWin(o1, h, h == favourite ? "0021" : "0150");
    jvLink.queueFile({o1.record()});
}

void stepTo(FakeClock& clock, Scheduler& scheduler, const DateTime& last) {
    while (clock.now() < last) {
        clock.advance(1);
        scheduler.tick(clock.now());
    }
}

std::vector<std::string> rtOpens(const ScriptedJvLink& jvLink) {
    std::vector<std::string> opens;
    for (const std::string& call : jvLink.callTexts())
        if (call.rfind("JVRTOpen", 0) == 0) opens.push_back(call);
    return opens;
}

}  // namespace marovix
