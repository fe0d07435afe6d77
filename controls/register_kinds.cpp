#include "controls/register_kinds.h"

#include "controls/Command/Command.h"
#include "platform/controlhost/designer_kind.h"

namespace controls {

void RegisterKinds() {
    platform::controlhost::RegisterUserControlKind<Command>(QStringLiteral("Command"));
}

}  // namespace controls
