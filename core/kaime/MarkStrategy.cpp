#include "core/kaime/MarkStrategy.h"

#include <string_view>

#include "core/common/TextFile.h"

namespace marovix {
namespace {

constexpr int kRankCount = 18;

// The characters of a UTF-8 text (the file is read as CP932 and converted), each as its bytes.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) ++end;
        result.push_back(text.substr(i, end - i));
        i = end;
    }
    return result;
}

}  // namespace

bool applyRankLines(const std::vector<std::string>& lines, MarkStrategy& strategy) {
    if (lines.size() != static_cast<std::size_t>(kMarkCount)) return false;
    for (std::size_t mark = 0; mark < lines.size(); ++mark) {
        const auto line = characters(lines[mark]);
        if (line.size() != static_cast<std::size_t>(kRankCount)) continue;
        for (std::size_t r = 0; r < line.size(); ++r) {
            if (line[r] == "1" || line[r] == "0") strategy.ranks[mark][r + 1] = line[r] == "1";
        }
    }
    return true;
}

std::vector<std::string> rankLines(const MarkStrategy& strategy) {
    std::vector<std::string> lines;
    for (const auto& ranks : strategy.ranks) {
        std::string line;
        for (int r = 1; r <= kRankCount; ++r) line += ranks[static_cast<std::size_t>(r)] ? '1' : '0';
        lines.push_back(line);
    }
    return lines;
}

Status readRankFile(const std::string& path, MarkStrategy& strategy) {
    auto lines = readTextLines(path);
    if (!lines && lines.errorKind() == ErrorKind::NotFound) return {};
    if (!lines) return lines.failure();
    applyRankLines(*lines, strategy);
    return {};
}

Status readMarkStrategy(const SettingsSnapshot& settings, const std::string& rankFilePath, MarkStrategy& strategy) {
    const SettingKey* indexKeys[kMarkCount] = {&settings::SihyoSel1, &settings::SihyoSel2, &settings::SihyoSel3};
    const SettingKey* borrowKeys[kMarkCount] = {&settings::SetUmaMaru2, &settings::SetUmaMaru1,
                                                &settings::SetUmaSankaku};
    for (std::size_t mark = 0; mark < kMarkCount; ++mark) {
        strategy.index[mark] = settings.readInt(*indexKeys[mark]);
        strategy.borrowIndex[mark] = settings.readBool(*borrowKeys[mark]);
    }
    return readRankFile(rankFilePath, strategy);
}

}  // namespace marovix
