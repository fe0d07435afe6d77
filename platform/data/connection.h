#pragma once

#include <QString>

struct sqlite3;

namespace platform::data {

// Stand-in for the data-access connection: the database file, named by
// DatabaseFile or else by the connection string after "DBQ=", is opened
// read-only with SQLite.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString ConnectionString;
    // The file to open; when empty, the one the connection string names. A
    // path read back out of the string is ambiguous: "a;x=1" reads as "a".
    QString DatabaseFile;
    int CursorLocation = 2;
    // Kept as set; a query here takes milliseconds, and a file that another
    // program keeps locked is waited for only kBusyWaitMs, so that neither the
    // start nor a keystroke freezes the window.
    int CommandTimeout = 30;
    static constexpr int kBusyWaitMs = 1000;

    // Throws RuntimeError when the file is missing, unreadable, locked by
    // another program (kDatabaseBusy), not a database or without the stock
    // table.
    void Open();
    // True once Open has reached the file; only this object closes it.
    bool IsOpen() const { return handle_ != nullptr; }
    // The open SQLite connection; nullptr before Open.
    sqlite3* Handle() const { return handle_; }

    // The database file named by a connection string ("...;DBQ=path;"). The
    // path runs to the ";" that ends the string or comes before another
    // "name=" attribute, so that a folder whose name holds ";" stays whole.
    static QString DatabasePath(const QString& connectionString);

private:
    QString name_;
    sqlite3* handle_ = nullptr;
};

}  // namespace platform::data
