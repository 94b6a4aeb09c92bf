#include "standins/feedgen/ChangeModel.h"

#include <algorithm>

#include "standins/feedgen/Prng.h"

namespace marovix::feedgen {
namespace {

enum ChangeStream : std::uint64_t { kWeatherStream = 11, kScratchStream, kPostChangeStream };

constexpr int kScratchPercent = 8;         // races with one scratch (among races of 8 or more runners)
constexpr int kPostChangePercent = 12;     // days with one post-time change
constexpr int kWeatherChangePercent = 30;  // course-days whose weather turns

// Chance of a wet morning by month (percent).
constexpr int kRainPercent[12] = {12, 14, 18, 18, 18, 35, 35, 20, 28, 18, 14, 12};

int worse(int going) { return std::min(going + 1, 4); }
int better(int going) { return std::max(going - 1, 1); }
bool wet(int weather) { return weather == 3 || weather == 4 || weather == 5 || weather == 6; }

}  // namespace

void ChangeModel::apply(DayPlan& plan) const {
    postTimeChange(plan);
    scratches(plan);
    weather(plan);
}

void ChangeModel::postTimeChange(DayPlan& plan) const {
    Prng prng = Prng::forKey(m_seed, {static_cast<std::uint64_t>(plan.day.date.dayNumber()), kPostChangeStream});
    if (plan.races.empty()) return;
    const bool changes = static_cast<int>(prng.below(100)) < kPostChangePercent;
    if (!changes && !plan.day.showcase) return;
    std::size_t index = prng.below(static_cast<std::uint32_t>(plan.races.size()));
    // A showcase day moves the next race when the first race of a course was drawn.
    if (plan.races[index].number < 2 && plan.day.showcase && index + 1 < plan.races.size()) ++index;
    Race& race = plan.races[index];
    if (race.number < 2) return;
    const int delay = prng.chance(0.5) ? 5 : 10;
    race.postChangeMinute = std::max(kMorningMinute, race.postMinute - prng.between(15, 50));
    race.postMinute += delay;
}

void ChangeModel::scratches(DayPlan& plan) const {
    Prng prng = Prng::forKey(m_seed, {static_cast<std::uint64_t>(plan.day.date.dayNumber()), kScratchStream});
    for (auto& race : plan.races) {
        const bool scratch = static_cast<int>(prng.below(100)) < kScratchPercent;
        const auto horse = prng.below(static_cast<std::uint32_t>(race.registered()));
        const int latest = std::max(kMorningMinute, race.originalPostMinute - 20);
        const int minute = prng.between(kMorningMinute, latest);
        const int reason = prng.between(1, 3);
        if (!scratch || race.registered() < 8) continue;
        Runner& runner = race.runners[horse];
        runner.scratched = true;
        runner.scratchMinute = minute;
        runner.scratchReason = reason;
    }
    if (!plan.day.showcase) return;
    const auto scratched = [](const Race& race) {
        return std::any_of(race.runners.begin(), race.runners.end(), [](const Runner& r) { return r.scratched; });
    };
    if (std::any_of(plan.races.begin(), plan.races.end(), scratched)) return;
    // None drawn: the last horse of the first race of eight or more runners is scratched in the morning.
    for (auto& race : plan.races) {
        if (race.registered() < 8) continue;
        Runner& runner = race.runners.back();
        runner.scratched = true;
        runner.scratchMinute = kMorningMinute + 30;
        runner.scratchReason = 1;
        return;
    }
}

void ChangeModel::weather(DayPlan& plan) const {
    const auto dayNumber = static_cast<std::uint64_t>(plan.day.date.dayNumber());
    const int month = plan.day.date.month;
    plan.weather.clear();
    for (const auto& meeting : plan.day.courses) {
        Prng prng = Prng::forKey(m_seed, {dayNumber, static_cast<std::uint64_t>(meeting.course), kWeatherStream});
        WeatherNotice now;
        now.course = meeting.course;
        now.minute = kMorningMinute;
        now.kind = 1;
        const bool rainy = static_cast<int>(prng.below(100)) < kRainPercent[month - 1];
        if (rainy) {
            const bool snow = (month <= 2 || month == 12) && prng.chance(0.15);
            now.weather = snow ? (prng.chance(0.5) ? 5 : 6) : (prng.chance(0.5) ? 3 : 4);
            now.turfGoing = prng.between(2, 3);
            now.dirtGoing = prng.between(2, 4);
        } else {
            now.weather = prng.chance(0.62) ? 1 : 2;
            now.turfGoing = prng.chance(0.85) ? 1 : 2;
            now.dirtGoing = prng.chance(0.75) ? 1 : 2;
        }
        plan.weather.push_back(now);

        const bool turns = static_cast<int>(prng.below(100)) < kWeatherChangePercent;
        const bool shown = plan.day.showcase && meeting.course == plan.day.courses.front().course;
        if (turns || shown) {
            WeatherNotice change = now;
            change.kind = 2;
            change.minute = prng.between(10 * 60, 14 * 60 + 30);
            change.previousWeather = now.weather;
            change.previousTurfGoing = now.turfGoing;
            change.previousDirtGoing = now.dirtGoing;
            if (wet(now.weather))
                change.weather = 2;
            else
                change.weather = now.weather == 1 ? 2 : (prng.chance(0.6) ? 3 : 1);
            // A showcase course whose change would leave the going as it is gets rain, which softens it.
            if (shown && !wet(change.weather) && now.turfGoing == 1 && now.dirtGoing == 1) change.weather = 3;
            plan.weather.push_back(change);
            now = change;
            // Rain softens the going an hour or so later; a dry afternoon firms it up.
            const bool softer = wet(change.weather);
            if (softer || now.turfGoing > 1 || now.dirtGoing > 1) {
                WeatherNotice going = now;
                going.kind = 3;
                going.minute = change.minute + prng.between(40, 100);
                going.previousWeather = now.weather;
                going.previousTurfGoing = now.turfGoing;
                going.previousDirtGoing = now.dirtGoing;
                going.turfGoing = softer ? worse(now.turfGoing) : better(now.turfGoing);
                going.dirtGoing = softer ? worse(now.dirtGoing) : better(now.dirtGoing);
                plan.weather.push_back(going);
            }
        }
    }
    std::stable_sort(plan.weather.begin(), plan.weather.end(),
                     [](const WeatherNotice& a, const WeatherNotice& b) { return a.minute < b.minute; });

    for (auto& race : plan.races) {
        const WeatherNotice* card = nullptr;
        const WeatherNotice* atPost = nullptr;
        for (const auto& notice : plan.weather) {
            if (notice.course != race.course) continue;
            if (!card) card = &notice;
            if (notice.minute <= race.postMinute) atPost = &notice;
        }
        if (!card) continue;
        if (!atPost) atPost = card;
        race.cardWeather = card->weather;
        race.cardTurfGoing = card->turfGoing;
        race.cardDirtGoing = card->dirtGoing;
        race.weather = atPost->weather;
        race.turfGoing = atPost->turfGoing;
        race.dirtGoing = atPost->dirtGoing;
    }
}

}  // namespace marovix::feedgen
