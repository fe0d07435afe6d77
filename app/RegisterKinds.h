#pragma once

// Makes every control kind of the windows' designer data known to the loader:
// the button controls, the browser pane, the tab strip and the list view.
void RegisterAllKinds();
