// The one shape of a failure below the windows and the command line: a step
// gives its value or an error that keeps its cause, shaped like std::expected
// so that it can become one.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace corvane::link {

// What kind of failure a step met; the text says the rest.
enum class Failure {
    Invalid,    // the step cannot be made: an address or port that cannot serve, a record too large
    Refused,    // the peer or the system said no (the system's words in the text)
    NotSent,    // the request could not be written whole
    NoAnswer,   // nothing came back within the time allowed
    BadAnswer,  // something came back, but not what the step expects
    Cancelled,  // the user cancelled while the step waited
};

struct Error {
    Failure kind = Failure::NoAnswer;
    // The system's words or what was wrong; may be empty.
    std::string text;
};

template <class T, class E = Error>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: a value converts implicitly
    Result(E error) : state_(std::in_place_index<1>, std::move(error)) {}  // NOLINT: so does a failure

    bool hasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return hasValue(); }
    // Only on success.
    const T& value() const { return std::get<0>(state_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    // Only on failure.
    const E& error() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

// Success with nothing to give, or the error that prevented it.
template <class E>
class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : error_(std::move(error)) {}  // NOLINT: a failure converts implicitly

    bool hasValue() const { return !error_; }
    explicit operator bool() const { return hasValue(); }
    // Only on failure.
    const E& error() const { return *error_; }

private:
    std::optional<E> error_;
};

}  // namespace corvane::link
