#pragma once
// Trimming text. What counts as a blank depends on where the text comes from, so every caller names its
// set: a fixed-width field or grid cell trims only its blanks, a settings line blanks and tabs, text
// from outside the program line ends too, a name shown on screen every control character.
#include <string_view>

namespace marovix {

enum class Blanks {
    Space,            // ' ' only
    SpaceTab,         // ' ' and TAB (a CR inside a line stays)
    SpaceTabLineEnd,  // ' ', TAB, CR and LF
    Control,          // every byte up to ' ': the blank and the control characters, as a display trim does
};

// `text` without the bytes of `blanks` at either end; empty when nothing else is left. The full-width
// space is never a blank here: those who drop it strip it first.
std::string_view trimmed(std::string_view text, Blanks blanks);

}  // namespace marovix
