#include "request_log.h"

#include <chrono>

RequestLog::~RequestLog() {
    Close();
}

void RequestLog::Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

bool RequestLog::Open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "ab");
    return file_ != nullptr;
}

std::string RequestLog::Printable(const std::string& target) {
    static const char kHex[] = "0123456789ABCDEF";
    if (target.empty()) return "-";
    std::string out;
    out.reserve(target.size());
    for (unsigned char c : target) {
        if (c > 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0x0F]);
        }
    }
    return out;
}

void RequestLog::Append(const std::string& method, const std::string& target) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    const std::string line =
        Printable(method) + ' ' + Printable(target) + ' ' + std::to_string(ms) + '\n';
    std::lock_guard<std::mutex> lock(mutex_);
    if (file_ == nullptr) return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}
