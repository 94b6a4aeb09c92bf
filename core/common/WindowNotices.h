#pragma once
// The change notices and the re-entry guard of a window's model, for any window: `Part` is the window's own
// enum of the parts a view repaints separately (with a last member `Count`).
//
// A handler runs inside run(): the parts it marks changed are told to the subscribers once each, in the
// order they first changed, when it ends; a handler entered while another one runs (from events a long
// operation lets through) is refused, so no handler ever runs inside a half-done one. Outside a handler a
// change is told at once.
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "core/common/Notifier.h"

namespace marovix {

template <class Part>
class WindowNotices {
public:
    using Listener = std::function<void(Part)>;
    using Subscription = typename Notifier<Part>::Subscription;

    // REQUIRES: the notices outlive the subscription.
    [[nodiscard]] Subscription subscribe(Listener listener) { return m_notifier.subscribe(std::move(listener)); }

    // Marks `part` changed: told when the running handler ends (or at its next flush), or at once when no
    // handler runs.
    void changed(Part part) {
        const auto index = static_cast<std::size_t>(part);
        if (m_depth == 0) {
            m_notifier.notify(part);
            return;
        }
        if (m_pending[index]) return;
        m_pending[index] = true;
        m_order.push_back(part);
    }

    // Tells now what the running handler changed so far: before it lets events run, so that a view shows
    // its progress.
    void flush() {
        std::vector<Part> parts = std::exchange(m_order, {});
        m_pending.fill(false);
        for (Part part : parts) m_notifier.notify(part);
    }

    // A handler runs.
    bool busy() const { return m_depth > 0; }

    // Runs `body` as a handler and returns true; while another handler runs, returns false and runs nothing.
    template <class Body>
    bool run(Body&& body) {
        if (m_depth > 0) return false;
        join(std::forward<Body>(body));
        return true;
    }

    // Runs `body` as part of the running handler, or as a handler of its own when none runs; never refused
    // (for a step that a handler runs and that is also called from outside, like the day's selection).
    template <class Body>
    void join(Body&& body) {
        ++m_depth;
        body();
        if (--m_depth == 0) flush();
    }

private:
    Notifier<Part> m_notifier;
    int m_depth = 0;
    std::array<bool, static_cast<std::size_t>(Part::Count)> m_pending{};
    std::vector<Part> m_order;
};

// What every window model offers its views: subscribing to its notices and whether a handler runs. A model
// derives from it (and from a struct of its ids, so that `Model::Part` names them) and marks its changes
// through m_notices.
template <class Part>
class WindowModel {
public:
    using Subscription = typename WindowNotices<Part>::Subscription;
    using Listener = typename WindowNotices<Part>::Listener;

    // Tells `listener` which part changed after each handler. REQUIRES: the model outlives the subscription.
    [[nodiscard]] Subscription subscribe(Listener listener) { return m_notices.subscribe(std::move(listener)); }
    // A handler runs (a view refuses to forward events meanwhile).
    bool busy() const { return m_notices.busy(); }

protected:
    WindowNotices<Part> m_notices;
};

}  // namespace marovix
