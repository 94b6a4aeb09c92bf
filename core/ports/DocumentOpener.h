#pragma once
// Port: opens a document or a web page with the system's default handler.
#include <string>

namespace marovix {

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // True when the handler was started.
    virtual bool open(const std::string& pathOrUrl) = 0;
};

}  // namespace marovix
