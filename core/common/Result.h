#pragma once
// Errors as values at the core's edges: a Result holds either a value or an error, which has a text for
// the user and a kind for the code that must tell a missing file from a damaged or unreadable one.
#include <string>
#include <utility>
#include <variant>

namespace marovix {

enum class ErrorKind {
    IO,        // the system failed to read or write (the default)
    NotFound,  // the file or folder does not exist
    Corrupt,   // the content is not what it must be (a short record, a damaged line)
    Refused,   // the request is not allowed (permissions, a folder or FIFO where a file belongs, too large)
};

struct Error {
    std::string message;
    ErrorKind kind = ErrorKind::IO;
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
    ErrorKind errorKind() const { return std::get<1>(m_data).kind; }
    // REQUIRES: !ok(). The error as it stands, to pass on.
    Error failure() const { return std::get<1>(m_data); }

private:
    std::variant<T, Error> m_data;
};

// Result of an operation that yields nothing but may fail.
class Status {
public:
    Status() = default;
    Status(Error error) : m_failed(true), m_message(std::move(error.message)), m_kind(error.kind) {}
    static Status success() { return {}; }
    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return m_message; }
    ErrorKind errorKind() const { return m_kind; }
    Error failure() const { return Error{m_message, m_kind}; }

private:
    bool m_failed = false;
    std::string m_message;
    ErrorKind m_kind = ErrorKind::IO;
};

}  // namespace marovix
