#include "platform/basic/numeric.h"

namespace platform {

bool IsNumeric(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

}  // namespace platform
