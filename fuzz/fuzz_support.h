#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// What every fuzz target shares: a scratch folder of its own for the files
// the readers under test open, and a check that stops the run with a message
// (the fuzzer keeps the input that stopped it).

// libFuzzer calls this for every input; the replay program calls it for
// every file of a corpus.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz_support {

// A folder of this process's own, made on first use and removed at exit.
const std::filesystem::path& ScratchFolder();

// Writes bytes as the file `name` in the scratch folder and returns its path.
std::string WriteScratchFile(const char* name, const std::uint8_t* data, std::size_t size);

// The whole file ("" when it cannot be read).
std::string ReadWholeFile(const std::filesystem::path& path);

// Bands of rows run on the calling thread: coverage and speed are those of
// the code under test, not of starting threads for every input.
void UseOneThread();

[[noreturn]] void CheckFailed(const char* condition, const char* file, int line);

// Reads the input from its front: a byte or a little-endian number at a time,
// zero once it is used up, and whatever is left as one piece.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : data_(data), left_(size) {}
    std::uint8_t Byte();
    std::uint16_t Word();
    std::uint32_t Long();
    // The next n bytes (fewer when the input ends first).
    std::string Bytes(std::size_t n);
    const std::uint8_t* Rest() const { return data_; }
    std::size_t Left() const { return left_; }

private:
    const std::uint8_t* data_;
    std::size_t left_;
};

}  // namespace fuzz_support

// Not an assert: it stays in optimised builds and in the replay program.
#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) ::fuzz_support::CheckFailed(#condition, __FILE__, __LINE__); \
    } while (0)
