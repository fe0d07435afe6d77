#pragma once

#include <QString>
#include <functional>

namespace platform::shell {

// Opens an address in the user's own browser, not waited for; the result is
// ignored, as the program never looks at it.
void OpenUrl(const QString& url);

// Seam for tests: the handler receives every address instead of the desktop.
using OpenUrlHandler = std::function<void(const QString& url)>;
OpenUrlHandler SetOpenUrlHandler(OpenUrlHandler handler);

}  // namespace platform::shell
