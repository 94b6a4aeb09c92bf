#include "tests/support/EnvironmentGuard.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include "core/common/Cp932.h"
#endif

namespace marovix {

void setEnvironment(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
    // An empty value removes the variable on Windows: both copies are set, since a started program
    // inherits the system's and getenv reads the runtime's.
    const std::string text = value ? utf8ToCp932(*value) : std::string();
    SetEnvironmentVariableA(name, text.empty() ? nullptr : text.c_str());
    _putenv_s(name, text.c_str());
#else
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
#endif
}

EnvironmentGuard::EnvironmentGuard(const char* name, const std::optional<std::string>& value) : m_name(name) {
    if (const char* old = std::getenv(name)) {
#ifdef _WIN32
        m_old = cp932ToUtf8(old);
#else
        m_old = old;
#endif
    }
    setEnvironment(name, value);
}

EnvironmentGuard::~EnvironmentGuard() { setEnvironment(m_name, m_old); }

}  // namespace marovix
