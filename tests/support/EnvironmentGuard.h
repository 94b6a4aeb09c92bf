#pragma once
// Environment variables set by the tests, for this process and the programs it starts.
#include <optional>
#include <string>

namespace marovix {

// Sets `name` to `value`, or removes it for nothing. On Windows the value is given in code page 932, the
// system's own environment and the C runtime's copy of it alike.
void setEnvironment(const char* name, const std::optional<std::string>& value);

// Sets (or clears, for nothing) an environment variable for the life of the guard.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, const std::optional<std::string>& value);
    ~EnvironmentGuard();
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace marovix
