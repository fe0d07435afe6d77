#pragma once

class QWebEngineProfile;

namespace platform::browser {

// The one browser profile of all panes: off the record, no disk cache, no
// icons. The first call also sets the engine's process limits, before the
// engine starts.
QWebEngineProfile* SharedProfile();

// The engine switches that keep the panes' memory low, added to those of
// QTWEBENGINE_CHROMIUM_FLAGS; they take effect only before the engine starts.
void AddEngineFlags();

}  // namespace platform::browser
