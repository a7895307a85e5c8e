#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Writes a file whole through a temporary file in the same folder
// ("<path>.partial") that is renamed over path only after every byte is
// written and the file closed cleanly. So path holds either its old content or
// the complete new one, never a truncated file that looks finished.
//
// writeContent writes the content to the open file and returns false when a
// write fails. On any failure the temporary file is removed, path is untouched
// and reason says why.
bool WriteFileReplacing(const char* path, const std::function<bool(std::FILE*)>& writeContent,
                        std::string& reason);
