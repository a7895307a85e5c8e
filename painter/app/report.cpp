#include "painter/app/report.h"

#include <cstdarg>
#include <string>

bool Log::Open(const char* path) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (file_) std::fclose(file_);
    file_ = std::fopen(path, "w");
    return file_ != nullptr;
}

void Log::Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void Log::Line(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatCV(format, args, kMessageCapacity - 1);
    va_end(args);
    Text(text.c_str());
}

void Log::Text(const char* text) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!file_) return;
    std::fputs(text, file_);
    std::fputc('\n', file_);  // a text stream: CR LF on Windows
    std::fflush(file_);
}
