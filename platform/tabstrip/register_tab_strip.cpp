#include "platform/tabstrip/register_tab_strip.h"

#include "platform/forms/designer_loader.h"
#include "platform/tabstrip/tab_strip.h"

namespace platform::tabstrip {

void RegisterTabStripKind() {
    forms::RegisterKind(QStringLiteral("TabS"),
                        [](QWidget* parent, const forms::DesignEntry& design) {
                            auto* strip = new TabStrip(parent);
                            strip->ReadProperties(design.bag);
                            forms::ApplyCommon(strip, design);
                            return strip;
                        });
}

}  // namespace platform::tabstrip
