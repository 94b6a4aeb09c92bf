#pragma once
// Tells any number of subscribers which part of a state changed. A subscription ends when its handle
// is destroyed; subscribers may come and go while a notice is being delivered.
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace marovix {

template <class Part>
class Notifier {
public:
    using Listener = std::function<void(Part)>;

    // Ends its subscription when destroyed or reset. Movable, not copyable.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept { *this = std::move(other); }
        Subscription& operator=(Subscription&& other) noexcept {
            reset();
            m_owner = std::exchange(other.m_owner, nullptr);
            m_entry = std::move(other.m_entry);
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription() { reset(); }
        void reset() {
            if (m_owner && m_entry) m_owner->remove(m_entry);
            m_owner = nullptr;
            m_entry.reset();
        }

    private:
        friend class Notifier;
        Subscription(Notifier* owner, std::shared_ptr<Listener> entry) : m_owner(owner), m_entry(std::move(entry)) {}
        Notifier* m_owner = nullptr;
        std::shared_ptr<Listener> m_entry;
    };

    Notifier() = default;
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    // REQUIRES: the notifier outlives the returned subscription.
    [[nodiscard]] Subscription subscribe(Listener listener) {
        auto entry = std::make_shared<Listener>(std::move(listener));
        m_listeners.push_back(entry);
        return Subscription(this, entry);
    }

    // Calls every subscriber in the order they subscribed. One that unsubscribes during the call is not
    // called afterwards; one that subscribes during the call hears from the next notice on.
    void notify(Part part) const {
        const auto listeners = m_listeners;
        for (const auto& entry : listeners)
            if (entry.use_count() > 1 && *entry) (*entry)(part);
    }

    std::size_t subscriberCount() const { return m_listeners.size(); }

private:
    void remove(const std::shared_ptr<Listener>& entry) {
        m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), entry), m_listeners.end());
    }

    std::vector<std::shared_ptr<Listener>> m_listeners;
};

}  // namespace marovix
