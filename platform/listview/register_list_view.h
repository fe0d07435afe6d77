#pragma once

namespace platform {

// Makes the list view known to the designer-data loader as kind "ListView".
void RegisterListViewKind();

}  // namespace platform
