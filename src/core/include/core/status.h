// Error values passed between modules instead of exceptions.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace velquist {

// Success, or a failure with a message meant for the user.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return m_message; }

private:
    explicit Status(std::string message) : m_failed(true), m_message(std::move(message)) {}

    bool m_failed = false;
    std::string m_message;
};

// A value, or a failure message (the small subset of std::expected we need).
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

    // The failure message; empty for a success.
    const std::string& error() const {
        static const std::string kNone;
        return ok() ? kNone : std::get<1>(m_data).message();
    }
    Status status() const { return ok() ? Status() : std::get<1>(m_data); }

private:
    std::variant<T, Status> m_data;
};

}  // namespace velquist
