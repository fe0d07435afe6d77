#include "platform/tabstrip/register_tab_strip.h"

#include "platform/forms/designer_loader.h"
#include "platform/tabstrip/tab_strip.h"

namespace platform {

void RegisterTabStripKind() {
    designer::RegisterKind(QStringLiteral("TabS"),
                           [](QWidget* parent, const designer::ControlSpec& spec) {
                               auto* strip = new TabStrip(parent);
                               strip->ReadProperties(spec.bag);
                               designer::ApplyCommon(strip, spec);
                               return strip;
                           });
}

}  // namespace platform
