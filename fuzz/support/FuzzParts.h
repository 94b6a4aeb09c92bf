#pragma once
// A fuzz input that stands for several files or records: its parts are the bytes between separator
// lines that hold exactly "@@@". The seed maker joins the parts of a seed the same way, so a mutation
// can move bytes from one part to another or add and drop a part.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marovix::fuzz {

inline constexpr std::string_view kPartSeparator = "\n@@@\n";

// The parts of `data`, at most `maxParts`: the last part keeps whatever follows, separators included.
// An input without a separator is one part.
std::vector<std::string_view> splitParts(std::string_view data, std::size_t maxParts);

// The part `index`, or the empty text when the input has fewer parts.
std::string_view partAt(const std::vector<std::string_view>& parts, std::size_t index);

// The parts joined by the separator: the inverse of splitParts for parts without separators.
std::string joinParts(const std::vector<std::string>& parts);

// The input bytes libFuzzer hands over, as text.
inline std::string_view inputText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace marovix::fuzz
