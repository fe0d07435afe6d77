#include "platform/forms/designer.h"

#include "platform/forms/designer_intrinsic.h"

namespace platform::forms {
namespace {

QHash<QString, Factory>& factories() {
    static QHash<QString, Factory> table;
    return table;
}

}  // namespace

void RegisterKind(const QString& kind, Factory factory) {
    factories().insert(kind, factory);
}

Factory FactoryOf(const QString& kind) {
    return factories().value(kind);
}

}  // namespace platform::forms
