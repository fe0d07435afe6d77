#include "platform/browser/register_browser.h"

#include "platform/browser/webengine_pane.h"
#include "platform/forms/designer_loader.h"

namespace platform::browser {

void RegisterWebBrowserKind() {
    forms::RegisterKind(QStringLiteral("WebBrowser"),
                        [](QWidget* parent, const forms::DesignEntry& design) {
                            auto* pane = new WebEnginePane(parent);
                            forms::ApplyCommon(pane, design);
                            return pane;
                        });
}

}  // namespace platform::browser
