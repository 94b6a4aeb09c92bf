#pragma once
// A fresh folder below the system's temporary folder, removed with everything in it at the end.
#include <string>

namespace marovix {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    // Path of a file or folder inside.
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

}  // namespace marovix
