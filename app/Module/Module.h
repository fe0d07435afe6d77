#pragma once

#include <QString>

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

void UnloadAllForms();
void DragForm(QWidget* frm);
bool Contains(const QString& s, const QString& sub);
bool FileExists(const QString& path);

}  // namespace Module
