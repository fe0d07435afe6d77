#pragma once

#include <QString>
#include <cstdint>

namespace platform::windows {

// One message number per name for the life of the process, the same for names
// that differ only in case, from 0xC000 to 0xFFFF. 0 for an empty name or when
// the range is used up.
std::int32_t RegisterWindowMessageA(const QString& name);

}  // namespace platform::windows
