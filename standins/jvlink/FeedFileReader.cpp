#include "standins/jvlink/FeedFileReader.h"

#include <sys/types.h>
#include <cstdlib>

namespace marovix {

FeedFileReader::FeedFileReader(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {}

FeedFileReader::~FeedFileReader() {
    if (m_file) std::fclose(m_file);
    std::free(m_buffer);
}

bool FeedFileReader::next(std::string& record) {
    if (!m_file) return false;
    for (;;) {
        ssize_t length = ::getline(&m_buffer, &m_capacity, m_file);
        if (length <= 0) return false;
        std::size_t end = static_cast<std::size_t>(length);
        if (m_buffer[end - 1] == '\n') --end;
        if (end > 0 && m_buffer[end - 1] == '\r') --end;
        if (end == 0) continue;
        record.assign(m_buffer, end);
        record += "\r\n";
        return true;
    }
}

}  // namespace marovix
