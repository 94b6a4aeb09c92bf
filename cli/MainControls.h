#pragma once
// The controls of the main window a command sets by name (--control NAME=VALUE): the radio groups, check
// boxes and menu ticks of the selections and options, and the odds-filter edits. A change goes through
// the handler the window runs for that control, and is kept in the settings as the window keeps it.
#include <functional>
#include <string>
#include <string_view>

#include "core/common/Result.h"

namespace marovix {

class MainModel;

struct ControlChange {
    std::string name;
    std::function<void(MainModel&)> apply;
};

// "NAME=VALUE" with a control's name (any case) and a value it takes: a radio group's item from 0, 0 or
// 1 for a check box or menu tick, any text for an odds-filter edit.
Result<ControlChange> parseControlChange(std::string_view text);

// One line per control: its name, the values it takes and its caption.
std::string controlList();

}  // namespace marovix
