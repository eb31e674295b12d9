// Why a link could not be opened, and the result type that carries it.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace corvane::link {

struct OpenError {
    // The system's error number (errno), 0 when the cause is no system error
    // (a printer that is not ready, say).
    int code = 0;
    // The system's words for the cause, or what was wrong.
    std::string reason;
    // The device node that was to be opened.
    std::string device;
};

// Success with nothing to give, or the error that prevented it; shaped like
// std::expected<void, E> so that it can become one.
template <class E>
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(E error) : error_(std::move(error)) {}  // NOLINT: a failure converts implicitly

    bool has_value() const { return !error_; }
    explicit operator bool() const { return has_value(); }
    // Only on failure.
    const E& error() const { return *error_; }

private:
    std::optional<E> error_;
};

using OpenResult = Status<OpenError>;

}  // namespace corvane::link
