#include "controls/register_kinds.h"

namespace controls {

void RegisterKinds() {}

}  // namespace controls
