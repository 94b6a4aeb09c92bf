#pragma once
// The stand-in's settings file VQMTohyoPlugIn2.ini in its folder: section IPAT holds INETID (the
// program reads it), section PaperTrade key Balance the simulated IPAT balance in whole yen.
// REQUIRES: callers hold the PluginFolderLock of the folder around a read and the write after it.
#include <cstdint>
#include <string>

#include "core/common/Result.h"
#include "core/settings/TIniGT.h"

namespace marovix {

class PaperAccount {
public:
    // The balance of a settings file without one.
    static constexpr std::int64_t InitialBalance = 100000;
    static constexpr const char* BalanceSection = "PaperTrade";
    static constexpr const char* BalanceKey = "Balance";

    explicit PaperAccount(const std::string& folder);

    // INETID of section IPAT, "NO" when missing.
    std::string inetId() const;
    bool hasInetId() const;
    // True when the settings file holds a balance (else balance() gives InitialBalance).
    bool hasBalance() const;
    // The balance; InitialBalance when none is stored. An error when the stored text is not a whole
    // number of yen (0 or more), so a broken file is never taken as a fresh account.
    Result<std::int64_t> balance() const;
    // Stores the balance, keeping every other line of the file; the file is replaced safely.
    Status setBalance(std::int64_t yen);
    // Stores INETID.
    Status setInetId(const std::string& inetId);

    const std::string& filePath() const { return m_ini.fileName(); }

private:
    TIniGT m_ini;
};

}  // namespace marovix
