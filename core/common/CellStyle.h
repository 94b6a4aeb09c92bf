#pragma once
// How a grid cell is painted: the rules are the system's, the windows only apply them.
#include <optional>

#include "core/common/Label.h"

namespace marovix {

struct CellStyle {
    enum class Align { Center, Left };
    std::optional<Rgb> background;   // nothing: the default
    bool toolTipBackground = false;  // the system's tooltip background colour
    std::optional<Rgb> color;        // text colour; nothing: the default
    bool bold = false;
    Align align = Align::Center;
    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

}  // namespace marovix
