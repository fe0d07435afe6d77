#include "support/write_lock.h"

#include <sqlite3.h>
#include <QFile>

WriteLock::WriteLock(const QString& path) {
    if (sqlite3_open(QFile::encodeName(path).constData(), &db_) != SQLITE_OK) return;
    held_ = sqlite3_exec(db_, "begin exclusive", nullptr, nullptr, nullptr) == SQLITE_OK;
}

WriteLock::~WriteLock() {
    if (held_) sqlite3_exec(db_, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
}
