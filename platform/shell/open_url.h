#pragma once

#include <QString>
#include <functional>

namespace platform::shell {

// Opens an address in the user's own browser, not waited for. False when no
// browser could be started (no xdg-open and no browser known); whether the
// browser then shows the page is not known.
bool OpenUrl(const QString& url);

// Seam for tests: the handler receives every address instead of the desktop
// and says whether a browser was started.
using OpenUrlHandler = std::function<bool(const QString& url)>;
OpenUrlHandler SetOpenUrlHandler(OpenUrlHandler handler);

}  // namespace platform::shell
