#include "core/jv/FetchFileStore.h"

#include "core/common/TextFile.h"

namespace marovix {

FetchFileStore::FetchFileStore(std::string dataFolder) : m_dataFolder(std::move(dataFolder)) {}

Result<FetchFileStore::Stored> FetchFileStore::store(const RecordDecision& decision) {
    const std::string path = joinPath(m_dataFolder, decision.fileName);
    if (decision.existingFileOnly && !m_store.exists(path)) return Stored::NoFile;
    Status status = decision.runnerFile
                        ? m_store.storeRunnerLine(path, decision.line)
                        : m_store.storeRecordLine(path, decision.line, decision.dropEmptyFirstLine, decision.key);
    if (!status) return status.failure();
    return Stored::Yes;
}

Status FetchFileStore::endStream() {
    // The stream's files are held in memory until now: each is saved once, and let go, so that the next
    // stream reads files anyone changed meanwhile.
    return m_store.saveAll();
}

}  // namespace marovix
