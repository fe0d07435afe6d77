#pragma once

#include <QList>
#include <QString>

#include "platform/profile/profile_file.h"

class QWidget;

// The procedures that the windows share.
namespace Module {

// The executable's folder with exactly one trailing separator.
QString AppPath();
// AppPath's rule for a given folder.
QString AppPathOf(const QString& folder);

QString ReadIni(const QString& section, const QString& key, const QString& file);
void WriteIni(const QString& section, const QString& key, const QString& value,
              const QString& file);
// Writes the keys together, all or none; when they cannot be written the
// write-failure box comes once for each key, as from WriteIni.
using IniEntry = platform::profile::Entry;
void WriteIniKeys(const QList<IniEntry>& entries, const QString& file);
// Whether ReadIni gives the value back whole (it is not cut).
bool FitsIni(const QString& value);

// Opens a web page in the user's browser; where none can be started, a box
// gives the address so that the user can open it.
void OpenInBrowser(const QString& url);

void UnloadAllForms();
void DragForm(QWidget* frm);
bool Contains(const QString& s, const QString& sub);
bool FileExists(const QString& path);

}  // namespace Module
