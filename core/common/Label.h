#pragma once
// A named label of a window (its text and colours), and the labels of one window addressed by that
// window's own enum of label ids (with a last member `Count`).
#include <array>
#include <optional>
#include <string>

namespace marovix {

// A colour as 0xRRGGBB.
using Rgb = unsigned;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kBlue = 0x0000FF;

struct Label {
    std::string text;
    std::optional<Rgb> color;       // text colour; nothing: the default
    std::optional<Rgb> background;  // nothing: the default
    friend bool operator==(const Label&, const Label&) = default;
};

template <class Id>
class LabelSet {
public:
    static constexpr std::size_t kCount = static_cast<std::size_t>(Id::Count);

    Label& operator[](Id id) { return m_labels[static_cast<std::size_t>(id)]; }
    const Label& operator[](Id id) const { return m_labels[static_cast<std::size_t>(id)]; }

    friend bool operator==(const LabelSet&, const LabelSet&) = default;

private:
    std::array<Label, kCount> m_labels{};
};

}  // namespace marovix
