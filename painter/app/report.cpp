#include "painter/app/report.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "painter/app/ui.h"

namespace {

// The job's thread writes lines while the dialog's thread may close the log,
// so every use of the stream happens under this lock.
std::mutex logMutex;
std::FILE* logFile = nullptr;

void WriteLogLine(const char* text) {
    std::lock_guard<std::mutex> lock(logMutex);
    if (!logFile) return;
    std::fputs(text, logFile);
    std::fputc('\n', logFile);  // a text stream: CR LF on Windows
    std::fflush(logFile);
}

}  // namespace

bool OpenLog(const char* path) {
    std::lock_guard<std::mutex> lock(logMutex);
    if (logFile) std::fclose(logFile);
    logFile = std::fopen(path, "w");
    return logFile != nullptr;
}

void CloseLog() {
    std::lock_guard<std::mutex> lock(logMutex);
    if (logFile) std::fclose(logFile);
    logFile = nullptr;
}

void LogLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatCV(format, args, MessageCapacity - 1);
    va_end(args);
    WriteLogLine(text.c_str());
}

void ShowStatus(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatCV(format, args, MessageCapacity - 1);
    va_end(args);
    WriteLogLine(text.c_str());
    SetStatusField(text.c_str());
}
