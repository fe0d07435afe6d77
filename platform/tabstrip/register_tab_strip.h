#pragma once

namespace platform::tabstrip {

// Makes the tab strip known to the designer-data loader as kind "TabS"; its
// "bag" holds the stored keys.
void RegisterTabStripKind();

}  // namespace platform::tabstrip
