#include "controls/register_kinds.h"

#include "controls/Command/Command.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "controls/XPCommand/XPCommand.h"
#include "platform/controlhost/designer_kind.h"

namespace controls {

void RegisterKinds() {
    platform::controlhost::RegisterUserControlKind<Command>(QStringLiteral("Command"));
    platform::controlhost::RegisterUserControlKind<XPCommand>(QStringLiteral("XPCommand"));
    platform::controlhost::RegisterUserControlKind<FlatCmd>(QStringLiteral("FlatCmd"));
}

}  // namespace controls
