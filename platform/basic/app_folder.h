#pragma once

#include <QString>

namespace platform::basic {

// The executable's folder as the runtime reports it (no trailing separator,
// except for the root). Tests point it at a folder of their own.
QString ApplicationFolder();
void SetApplicationFolder(const QString& folder);

}  // namespace platform::basic
