#include "core/common/Notifier.h"

#include <gtest/gtest.h>

namespace marovix::notifier_test {
namespace {

enum class Part { A, B };

TEST(Notifier, EverySubscriberHearsEachNoticeInOrder) {
    Notifier<Part> notifier;
    std::vector<std::string> heard;
    auto first = notifier.subscribe([&](Part p) { heard.push_back(p == Part::A ? "1A" : "1B"); });
    auto second = notifier.subscribe([&](Part p) { heard.push_back(p == Part::A ? "2A" : "2B"); });
    notifier.notify(Part::A);
    notifier.notify(Part::B);
    EXPECT_EQ(heard, (std::vector<std::string>{"1A", "2A", "1B", "2B"}));
}

TEST(Notifier, ASubscriptionEndsWithItsHandle) {
    Notifier<Part> notifier;
    int calls = 0;
    {
        auto subscription = notifier.subscribe([&](Part) { ++calls; });
        notifier.notify(Part::A);
    }
    notifier.notify(Part::A);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(notifier.subscriberCount(), 0u);
}

TEST(Notifier, ASubscriberThatLeavesDuringANoticeIsNotCalledAfterwards) {
    Notifier<Part> notifier;
    Notifier<Part>::Subscription second;
    int secondCalls = 0;
    auto first = notifier.subscribe([&](Part) { second.reset(); });
    second = notifier.subscribe([&](Part) { ++secondCalls; });
    notifier.notify(Part::A);
    EXPECT_EQ(secondCalls, 0);
}

TEST(Notifier, AMovedSubscriptionStaysSubscribedOnce) {
    Notifier<Part> notifier;
    int calls = 0;
    auto a = notifier.subscribe([&](Part) { ++calls; });
    Notifier<Part>::Subscription b = std::move(a);
    notifier.notify(Part::B);
    EXPECT_EQ(calls, 1);
    a.reset();  // the moved-from handle owns nothing
    notifier.notify(Part::B);
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace marovix::notifier_test
