#include "platform/basic/app_folder.h"

#include <QCoreApplication>

namespace platform::basic {
namespace {

QString& overridden() {
    static QString folder;
    return folder;
}

}  // namespace

QString ApplicationFolder() {
    return overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
}

void SetApplicationFolder(const QString& folder) {
    overridden() = folder;
}

}  // namespace platform::basic
