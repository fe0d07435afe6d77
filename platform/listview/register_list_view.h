#pragma once

namespace platform::listview {

// Makes the list view known to the designer-data loader as kind "ListView".
void RegisterListViewKind();

}  // namespace platform::listview
