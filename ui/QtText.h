#pragma once
// UTF-8 std::string <-> QString.
#include <QString>
#include <string>

namespace marovix {

inline QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QString qs(const char* utf8) { return QString::fromUtf8(utf8); }
inline std::string str(const QString& text) { return text.toStdString(); }

}  // namespace marovix
