// Error values passed between modules instead of exceptions.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace velquist {

// The kinds of failure callers tell apart; anything else is Failed, and its message says why.
enum class StatusCode {
    Ok,
    Failed,
    NotFound,    // no such file or folder
    Folder,      // a folder where a file was expected
    NotRegular,  // a device, pipe or other file that is not read as a file
    Access,      // there, but the system refused it
    Damaged,     // read, but not what it should be
    TooLarge,    // over the limit the caller set
    Network,     // the connection or the server failed
    Cancelled,   // stopped on the caller's request
};

// Success, or a failure with its kind and a message meant for the user.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status failure(std::string message) {
        return Status(StatusCode::Failed, std::move(message));
    }
    static Status failure(StatusCode code, std::string message) {
        return Status(code == StatusCode::Ok ? StatusCode::Failed : code, std::move(message));
    }

    bool ok() const { return m_code == StatusCode::Ok; }
    explicit operator bool() const { return ok(); }
    StatusCode code() const { return m_code; }
    const std::string& message() const { return m_message; }

private:
    Status(StatusCode code, std::string message) : m_code(code), m_message(std::move(message)) {}

    StatusCode m_code = StatusCode::Ok;
    std::string m_message;
};

// A value, or a failure (the small subset of std::expected we need).
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_data(std::move(value)) {}           // NOLINT(google-explicit-constructor)
    Result(Status failure) : m_data(std::move(failure)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return m_data.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_data); }
    const T& value() const& { return std::get<0>(m_data); }
    T&& value() && { return std::get<0>(std::move(m_data)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T value_or(T fallback) const& { return ok() ? value() : std::move(fallback); }

    // The failure message; empty for a success.
    const std::string& error() const {
        static const std::string kNone;
        return ok() ? kNone : std::get<1>(m_data).message();
    }
    StatusCode code() const { return ok() ? StatusCode::Ok : std::get<1>(m_data).code(); }
    Status status() const { return ok() ? Status() : std::get<1>(m_data); }

private:
    std::variant<T, Status> m_data;
};

}  // namespace velquist
