#pragma once

#include <QString>

struct sqlite3;

// Another writer's exclusive lock on an SQLite file, held while the object
// lives: every reader of the file meets a busy database meanwhile.
class WriteLock {
public:
    explicit WriteLock(const QString& path);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool held() const { return held_; }

private:
    sqlite3* db_ = nullptr;
    bool held_ = false;
};
