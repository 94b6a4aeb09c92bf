#pragma once
#include "core/ports/DocumentOpener.h"

namespace marovix {

// Opens a document or a web page with the handler the user chose for it: ShellExecuteW with "open",
// shown normally. True when the shell started it.
class Win32DocumentOpener : public DocumentOpener {
public:
    bool open(const std::string& pathOrUrl) override;
};

}  // namespace marovix
