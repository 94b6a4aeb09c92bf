#pragma once
// Errors as values at the core's edges: a Result holds either a value or an error text.
#include <string>
#include <utility>
#include <variant>

namespace marovix {

struct Error {
    std::string message;
};

template <class T>
class Result {
public:
    Result(T value) : m_data(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : m_data(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_data.index() == 0; }
    explicit operator bool() const { return ok(); }
    // REQUIRES: ok().
    T& value() { return std::get<0>(m_data); }
    const T& value() const { return std::get<0>(m_data); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    // REQUIRES: !ok().
    const std::string& error() const { return std::get<1>(m_data).message; }

private:
    std::variant<T, Error> m_data;
};

// Result of an operation that yields nothing but may fail.
class Status {
public:
    Status() = default;
    Status(Error error) : m_failed(true), m_message(std::move(error.message)) {}
    static Status success() { return {}; }
    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return m_message; }

private:
    bool m_failed = false;
    std::string m_message;
};

}  // namespace marovix
