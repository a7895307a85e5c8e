#pragma once

#include <string>

// Helpers for tests that run the converter or the splitter as programs, the way
// the painter does: through the command interpreter, in the current folder.
namespace program_testing {

// Command-line form of a program built into the bin/ folder that holds the
// running test, quoted for the command interpreter.
std::string ProgramBesideTest(const char* name);

// Runs a command line through the command interpreter and returns the
// program's exit status (-1 when it did not end normally).
int RunAndWait(const std::string& commandLine);

// Puts folder first on PATH, ahead of the PATH the test process started with
// (not ahead of earlier calls), so each test chooses its own stand-ins.
void UseFolderFirstOnPath(const std::string& folder);

// Text of a file the command interpreter wrote, with "\r\n" read as "\n".
std::string ReadText(const char* path);

// A file holding a stand-in for a program, in the interpreter's script
// language, that appends its arguments as one line to the file log (relative
// to the current folder) and exits with status 0. Written to folder as the
// name the interpreter finds for program.
void WriteRecordingStandIn(const std::string& folder, const char* program, const char* log);

}  // namespace program_testing
