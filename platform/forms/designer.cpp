#include "platform/forms/designer.h"

namespace platform::designer {
namespace {

QHash<QString, Factory>& factories() {
    static QHash<QString, Factory> table;
    return table;
}

}  // namespace

void RegisterKind(const QString& kind, Factory factory) { factories().insert(kind, factory); }

bool HasKind(const QString& kind) { return factories().contains(kind); }

}  // namespace platform::designer
