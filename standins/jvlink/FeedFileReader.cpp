#include "standins/jvlink/FeedFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace marovix {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
// The longest line kept: a record without its CR LF.
constexpr std::size_t kLongestLine = FeedFileReader::kLongestRecord - 2;

}  // namespace

FeedFileReader::FeedFileReader(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        m_openError = std::strerror(errno);
        return;
    }
    // A FIFO is never opened for reading: it would wait for a writer.
    if (!S_ISREG(st.st_mode)) {
        m_openError = S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
        return;
    }
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        m_openError = std::strerror(errno);
        return;
    }
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        m_openError = "Not a regular file";
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_buffer = new char[kBufferSize];
}

FeedFileReader::~FeedFileReader() {
    if (m_fd >= 0) ::close(m_fd);
    delete[] m_buffer;
}

bool FeedFileReader::fill() {
    for (;;) {
        const ssize_t n = ::read(m_fd, m_buffer, kBufferSize);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        m_begin = 0;
        m_end = static_cast<std::size_t>(n);
        return true;
    }
}

FeedFileReader::Next FeedFileReader::next(std::string& record) {
    if (m_fd < 0) return Next::End;
    for (;;) {
        // One line: its bytes gathered while they fit a record, only counted beyond that.
        record.clear();
        std::size_t length = 0;
        bool ended = false;
        while (!ended) {
            if (m_begin == m_end && !fill()) break;
            const char* start = m_buffer + m_begin;
            const char* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_begin));
            const std::size_t take = newline ? static_cast<std::size_t>(newline - start) : m_end - m_begin;
            if (length + take <= kLongestLine + 1) record.append(start, take);  // +1: a CR before the LF
            length += take;
            m_begin += take + (newline ? 1 : 0);
            ended = newline != nullptr;
        }
        if (length == 0 && !ended) return Next::End;
        ++m_line;
        if (length > 0 && length <= record.size() && record.back() == '\r') {
            record.pop_back();
            --length;
        }
        if (length == 0) continue;  // an empty line
        if (length > kLongestLine) {
            record.clear();
            return Next::TooLong;
        }
        record += "\r\n";
        return Next::Record;
    }
}

}  // namespace marovix
