#pragma once

namespace platform::browser {

// Makes the WebEngine pane known to the designer-data loader as kind
// "WebBrowser".
void RegisterWebBrowserKind();

}  // namespace platform::browser
