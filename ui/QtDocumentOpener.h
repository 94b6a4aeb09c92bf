#pragma once
#include "core/ports/DocumentOpener.h"

namespace marovix {

// Opens documents and web pages with the desktop's default handler.
class QtDocumentOpener : public DocumentOpener {
public:
    bool open(const std::string& pathOrUrl) override;
};

}  // namespace marovix
