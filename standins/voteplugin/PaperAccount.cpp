#include "standins/voteplugin/PaperAccount.h"

#include <algorithm>

#include "core/common/TextFile.h"
#include "core/vote/VotePluginFiles.h"

namespace marovix {
namespace {

// Twelve digits are a trillion yen: more is no balance.
constexpr std::size_t MaxBalanceDigits = 12;

}  // namespace

PaperAccount::PaperAccount(const std::string& folder) : m_ini({}, {}) {
    m_ini.setDefaultDir(DefaultDir::ddNone);
    m_ini.setFileName(joinPath(folder, VotePluginSettingsName));
}

std::string PaperAccount::inetId() const { return m_ini.ReadString("IPAT", "INETID", "NO"); }

bool PaperAccount::hasInetId() const { return m_ini.ValueExists("IPAT", "INETID"); }

bool PaperAccount::hasBalance() const { return m_ini.ValueExists(BalanceSection, BalanceKey); }

Result<std::int64_t> PaperAccount::balance() const {
    if (!hasBalance()) return InitialBalance;
    const std::string text = m_ini.ReadString(BalanceSection, BalanceKey, "");
    const bool digits = !text.empty() && text.size() <= MaxBalanceDigits &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits)
        return Error{filePath() + " の [" + BalanceSection + "] " + BalanceKey + " が正しくありません: \"" + text +
                     "\""};
    std::int64_t yen = 0;
    for (char c : text) yen = yen * 10 + (c - '0');
    return yen;
}

Status PaperAccount::setBalance(std::int64_t yen) {
    return m_ini.WriteString(BalanceSection, BalanceKey, std::to_string(yen));
}

Status PaperAccount::setInetId(const std::string& inetId) { return m_ini.WriteString("IPAT", "INETID", inetId); }

}  // namespace marovix
