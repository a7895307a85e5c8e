#pragma once

#include <string>
#include <utility>

#include "common/text/c_format.h"

// Messages are formatted into this many bytes: at most 511 characters, a
// longer text is cut.
constexpr int kMessageCapacity = 512;

// What an operation that can fail gives back: success, or a failure with the
// message to show the user word for word (it begins "ERROR: "). A library may
// add a code of its own that says which kind of failure it was, so that a
// caller with a message of its own can still tell them apart.
class [[nodiscard]] Status {
public:
    Status() = default;  // success

    static Status Failure(std::string message, int code = 1) {
        Status status;
        status.code_ = code == 0 ? 1 : code;
        status.message_ = std::move(message);
        return status;
    }
    // Failure with a printf-style message.
    static Status Failuref(const char* format, ...) MARVANE_PRINTF(1, 2);

    bool ok() const { return code_ == 0; }
    // 0 on success, else the failing library's code (1 unless it says more).
    int code() const { return code_; }
    const std::string& message() const { return message_; }

private:
    int code_ = 0;
    std::string message_;
};

// A failure that unwinds through several calls (the painting core's) to the
// one place that shows it: its message, word for word.
struct FatalError {
    std::string text;
};

// Throws FatalError with the printf-style message.
[[noreturn]] void Fail(const char* format, ...) MARVANE_PRINTF(1, 2);

