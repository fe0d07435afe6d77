#pragma once

#include <cstdio>
#include <mutex>
#include <string>

// The request log: one line per request served, "METHOD target epoch-ms",
// written whole and flushed at once, so that a reader never sees half a line.
class RequestLog {
public:
    RequestLog() = default;
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // Opens `path` for appending; false when it cannot be opened.
    bool Open(const std::string& path);
    void Append(const std::string& method, const std::string& target);
    // Waits for a line being written, then closes; later lines are dropped.
    void Close();

    // A field as logged: bytes outside printable ASCII (and blanks) become
    // "%XX", and an empty field (a request too malformed to parse) "-", so
    // that a line always has three fields.
    static std::string Printable(const std::string& target);

private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};
