#pragma once
#include <string>
#include <vector>

#include "core/ports/DocumentOpener.h"

namespace marovix {

// Records the documents opened.
class FakeDocumentOpener : public DocumentOpener {
public:
    std::vector<std::string> opened;
    bool open(const std::string& pathOrUrl) override {
        opened.push_back(pathOrUrl);
        return true;
    }
};

}  // namespace marovix
