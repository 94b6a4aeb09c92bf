#include "core/jv/JvReadLoop.h"

#include "core/ports/JvLink.h"

namespace marovix {

JvReadLoop::JvReadLoop(JvLink& jvLink, ReadCancelFlag& cancelFlag) : m_jvLink(jvLink), m_cancelFlag(cancelFlag) {}

JvReadLoop::StoredOpening JvReadLoop::openStored(const std::string& dataspec, const std::string& fromTime, int option) {
    m_cancelFlag.lower();
    StoredOpening opening;
    opening.result = m_jvLink.JVOpen(dataspec, fromTime, option, opening.filesToRead, opening.filesToFetch,
                                     opening.lastFileTimestamp);
    if (opening.result == -1 || (opening.result == 0 && opening.filesToRead == 0))
        opening.kind = StoredOpening::Kind::NothingNew;
    else if (opening.result == 0)
        opening.kind = StoredOpening::Kind::Opened;
    else
        opening.kind = StoredOpening::Kind::Failed;
    m_progress = {};
    if (opening.kind == StoredOpening::Kind::Opened) {
        m_progress.filesToRead = opening.filesToRead;
        m_progress.filesToFetch = opening.filesToFetch;
    }
    return opening;
}

int JvReadLoop::openRealTime(const std::string& dataspec, const std::string& key) {
    m_cancelFlag.lower();
    m_progress = {};
    return m_jvLink.JVRTOpen(dataspec, key);
}

JvReadLoop::StatusStep JvReadLoop::pollStatus() {
    const int n = m_jvLink.JVStatus();
    if (n < 0) return {StatusStep::Kind::Failed, n};
    if (n > m_progress.filesToFetch) return {StatusStep::Kind::Beyond, n};
    m_progress.filesFetched = n;
    if (fetched) fetched(m_progress);
    return {n == m_progress.filesToFetch ? StatusStep::Kind::Fetched : StatusStep::Kind::Fetching, n};
}

JvReadLoop::ReadEnd JvReadLoop::read(int bufferSize, const Handler& handler) {
    m_progress.filesRead = 0;
    m_progress.records = 0;
    for (;;) {
        if (processEvents) processEvents();
        if (m_cancelFlag.raised()) return {ReadEnd::Kind::Cancelled, 0};
        const int r = m_jvLink.JVRead(m_record, bufferSize, m_fileName);
        if (r > 0) {
            ++m_progress.records;
            if (handler.record(m_record, m_fileName) == Next::Stop) return {ReadEnd::Kind::Stopped, 0};
        } else if (r == -1) {
            ++m_progress.filesRead;
            if (handler.fileEnded && handler.fileEnded(m_progress) == Next::Stop) return {ReadEnd::Kind::Stopped, 0};
        } else if (r == 0) {
            // After a cancel the component reports the end although files were left unread.
            if (m_cancelFlag.raised()) return {ReadEnd::Kind::Cancelled, 0};
            // The data are complete only when every offered file ended (-1 once per file).
            if (m_progress.filesToRead > 0 && m_progress.filesRead != m_progress.filesToRead)
                return {ReadEnd::Kind::EndedEarly, 0};
            return {ReadEnd::Kind::EndOfData, 0};
        } else if (r < -3) {
            return {ReadEnd::Kind::Failed, r};
        } else if (waitForData) {
            // -2 and -3: the file is still being fetched; call again after a moment.
            waitForData(r);
        }
    }
}

void JvReadLoop::cancel() {
    m_jvLink.JVCancel();
    m_cancelFlag.raise();
}

int JvReadLoop::close() { return m_jvLink.JVClose(); }

}  // namespace marovix
