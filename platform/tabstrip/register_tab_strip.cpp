#include "platform/tabstrip/register_tab_strip.h"

#include "platform/forms/designer_loader.h"
#include "platform/tabstrip/tab_strip.h"

namespace platform::tabstrip {

void RegisterTabStripKind() {
    designer::RegisterKind(QStringLiteral("TabS"),
                           [](QWidget* parent, const designer::ControlSpec& design) {
                               auto* strip = new TabStrip(parent);
                               strip->ReadProperties(design.bag);
                               designer::ApplyCommon(strip, design);
                               return strip;
                           });
}

}  // namespace platform::tabstrip
