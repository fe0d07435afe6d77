#pragma once

namespace controls {

// Makes the button controls known to the designer-data loader by their kind
// names ("Command", "XPCommand", "FlatCmd"). Called once at start-up.
void RegisterKinds();

}  // namespace controls
