#include "standins/jvlink/FeedFileReader.h"

#include <cstdlib>
#include <cstring>

namespace marovix {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
// The longest line kept: a record without its CR LF.
constexpr std::size_t kLongestLine = FeedFileReader::kLongestRecord - 2;

}  // namespace

FeedFileReader::FeedFileReader(const std::string& path) {
    // A FIFO is never opened for reading (it would wait for a writer), nor a folder.
    auto opened = SystemFile::open(path, SystemFile::Mode::Read);
    if (!opened) {
        const std::string& error = opened.error();
        m_openError = error.starts_with(path + ": ") ? error.substr(path.size() + 2) : error;
        return;
    }
    m_file.emplace(std::move(*opened));
    m_buffer = new char[kBufferSize];
}

FeedFileReader::~FeedFileReader() { delete[] m_buffer; }

bool FeedFileReader::fill() {
    const auto n = m_file->read(m_buffer, kBufferSize);
    if (!n || *n == 0) return false;
    m_begin = 0;
    m_end = *n;
    return true;
}

FeedFileReader::Next FeedFileReader::next(std::string& record) {
    if (!m_file) return Next::End;
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
