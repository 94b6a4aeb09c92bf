#pragma once
// The stop rule of automatic operation (tab "自動運転終了指定"), tested by the balance watch after each
// balance query while automatic operation runs outside simulation mode.
#include <cstdint>

namespace marovix {

// NaviQuitRadio1..3 (NaviQuit Sel 1, 2, 3).
enum class NaviQuitSel { None = 1, AboveGoal = 2, BelowFloor = 3 };

struct NaviQuitRule {
    NaviQuitSel sel = NaviQuitSel::None;
    std::int64_t goal = 10000;  // NaviQuitEdit1, whole yen
    std::int64_t floor = 5000;  // NaviQuitEdit2, whole yen
    friend bool operator==(const NaviQuitRule&, const NaviQuitRule&) = default;
};

// Whether automatic operation ends at `balance`: above the goal (strictly) with AboveGoal, below the floor
// (strictly) with BelowFloor, never with None (or any other selection).
constexpr bool naviQuitFires(const NaviQuitRule& rule, std::int64_t balance) {
    switch (rule.sel) {
        case NaviQuitSel::AboveGoal: return rule.goal < balance;
        case NaviQuitSel::BelowFloor: return balance < rule.floor;
        case NaviQuitSel::None: break;
    }
    return false;
}

}  // namespace marovix
