// The change information of the main window: the change fetch, applying the change files to the loaded
// day, and the timer that fetches them on today's meeting.
#include "core/app/MainModel.h"
#include "core/jv/ChangeInfo.h"
#include "core/ports/Clock.h"

namespace marovix {

void MainModel::GetKaisaiBtnClick() {
    const HandlerScope scope(*this);
    const bool ran = runDayFetch([](RealTimeFetcher& fetcher, const std::string& key, const std::string& label) {
        fetcher.run(FetchOperation::Changes, key, label);
    });
    if (ran) KaisaiReadBtnClick();
}

void MainModel::KaisaiReadBtnClick() {
    const HandlerScope scope(*this);
    applyChangeInfo();
}

void MainModel::applyChangeInfo() {
    if (!m_state.shownDay) return;
    const ChangeApplication applied = ApplyChangeInfo(m_session.day(), m_folders.changeFolder());
    for (const std::string& problem : applied.problems) appendErrorLog(problem);
    if (applied.postTimesApplied) {
        placeSchedules();
        NextRBtnClick();
    }
    // The shown race's header and card: weather and going, the grey name of a scratched horse.
    if (m_state.currentRace >= 0) notify(StatePart::RaceCard);
}

void MainModel::HenkoTimerTimer() {
    const HandlerScope scope(*this);
    const std::string hhnn = m_ports.clock.now().compactText().substr(8, 4);
    if (henkoTimerFetches(hhnn)) GetKaisaiBtnClick();
}

}  // namespace marovix
