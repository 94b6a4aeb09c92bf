#include "core/jv/FetchFileStore.h"

#include "core/common/TextFile.h"

namespace marovix {
namespace {

// A stream touches the six odds files of a race, or the race, payout and runner files of one day.
constexpr std::size_t kFilesOfAStream = 8;

}  // namespace

FetchFileStore::FetchFileStore(std::string dataFolder)
    : m_dataFolder(std::move(dataFolder)), m_store(kFilesOfAStream) {}

Result<FetchFileStore::Stored> FetchFileStore::store(const RecordDecision& decision) {
    const std::string path = joinPath(m_dataFolder, decision.fileName);
    if (decision.existingFileOnly && !fileExists(path)) return Stored::NoFile;
    Status status = decision.runnerFile ? m_store.storeRunnerLine(path, decision.line)
                                        : m_store.storeRecordLine(path, decision.line, decision.dropEmptyFirstLine);
    if (!status) return status.failure();
    return Stored::Yes;
}

Status FetchFileStore::endStream() {
    // Each store has saved its file already; the kept copies are let go, so that the next stream reads
    // files anyone changed meanwhile.
    m_store.forget();
    return Status::success();
}

}  // namespace marovix
