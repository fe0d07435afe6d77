#include "platform/windows/registered_messages.h"

#include <QHash>

namespace platform::windows {
namespace {

constexpr std::int32_t kFirst = 0xC000;
constexpr std::int32_t kLast = 0xFFFF;

}  // namespace

std::int32_t RegisterWindowMessageA(const QString& name) {
    static QHash<QString, std::int32_t> numbers;
    if (name.isEmpty()) return 0;
    const QString key = name.toCaseFolded();
    if (const auto it = numbers.constFind(key); it != numbers.cend()) return *it;
    const std::int32_t next = kFirst + static_cast<std::int32_t>(numbers.size());
    if (next > kLast) return 0;
    numbers.insert(key, next);
    return next;
}

}  // namespace platform::windows
