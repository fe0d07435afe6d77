#include "platform/profile/profile_file.h"

#include <QSettings>

namespace platform::profile {

QString Read(const QString& file, const QString& section, const QString& key, int bufferSize) {
    Q_UNUSED(bufferSize);
    QSettings settings(file, QSettings::IniFormat);
    return settings.value(section + "/" + key).toString();
}

bool Write(const QString& file, const QString& section, const QString& key, const QString& value) {
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(section + "/" + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace platform::profile
