#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The platform half of RunCommand and RunCommandUntil (command.cpp): runs a
// command line through the command interpreter in a group of its own (a job
// object on Windows), so that the interpreter and everything it started can
// be ended together, and are ended when this program ends, however it ends.
// Returns the status std::system would, or kCommandStopped once
// `stopRequested` (which may be empty: never) answered true and the whole
// group has ended.
namespace platform::detail {

// With `errorLine`, what the command writes to standard error passes through
// this program on its way to this program's standard error, and the last
// line that begins with "ERROR: " is kept there.
int RunStoppableCommand(const char* commandLine, const std::function<bool()>& stopRequested,
                        std::string* errorLine = nullptr);

// Keeps in `kept` the last line of what it is fed that begins with "ERROR: "
// (a line break of either system ends a line), as the bytes come.
class LastErrorLine {
public:
    explicit LastErrorLine(std::string* kept) : kept_(kept) {}

    void Feed(const char* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (bytes[i] == '\n') {
                Keep();
            } else {
                line_ += bytes[i];
            }
        }
    }
    // The last line, if it ends without a line break.
    void Finish() { Keep(); }

private:
    void Keep() {
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        if (kept_ && line_.rfind("ERROR: ", 0) == 0) *kept_ = line_;
        line_.clear();
    }

    std::string* kept_;
    std::string line_;
};

}  // namespace platform::detail
