// The vote plug-in's files that the program and the paper-trading stand-in read, damaged: the balance
// file "ipatbalance.ini" (its third line without "balance=") and the plug-in's settings file (INETID, and
// the stand-in's simulated balance). A balance query of the stand-in over its settings writes a balance
// file that the program reads back as the balance it holds.
//
// Input parts: ipatbalance.ini, VQMTohyoPlugIn2.ini.
#include <cstdint>
#include <string>

#include "core/vote/VotePluginFiles.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"
#include "standins/voteplugin/PaperAccount.h"
#include "standins/voteplugin/VotePluginRun.h"
#include "tests/support/FakeClock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    using fuzz::check;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), 2);
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    folder.makeFolder("logs");
    folder.write(BalanceFileName, fuzz::partAt(parts, 0));
    folder.write(VotePluginSettingsName, fuzz::partAt(parts, 1));

    (void)ReadBalanceFile(folder.path());
    (void)ReadPluginInetId(folder.path());

    const PaperAccount account(folder.path());
    (void)account.inetId();
    (void)account.hasInetId();
    const Result<std::int64_t> balance = account.balance();
    if (balance) check(*balance >= 0, "a negative balance was read");

    const FakeClock clock{DateTime{2024, 1, 6, 15, 29, 30}};
    const Status query = runBalanceQuery(folder.path(), clock);
    check(query.ok() == balance.ok(), "a balance query failed on a readable balance, or answered an unreadable one");
    if (query) {
        const std::optional<std::string> read = ReadBalanceFile(folder.path());
        check(read && *read == std::to_string(*balance), "the program reads another balance than the plug-in holds");
    }
    return 0;
}
