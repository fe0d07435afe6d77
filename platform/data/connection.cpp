#include "platform/data/connection.h"

#include <sqlite3.h>
#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <memory>

#include "platform/basic/runtime_error.h"
#include "platform/data/data_errors.h"

namespace platform::data {
namespace {

const QString kDriver = QStringLiteral("[Microsoft][ODBC Microsoft Access Driver] ");

[[noreturn]] void fail(const QString& description, long number = kOpenFailed) {
    throw basic::RuntimeError(number, ProviderSource(), kDriver + description);
}

QString nextName() {
    static QAtomicInt counter;
    return QStringLiteral("marlquin-%1").arg(counter.fetchAndAddRelaxed(1));
}

// True when `rest` begins with an attribute of a connection string: a name of
// letters, digits, blanks or "_" followed by "=".
bool startsAttribute(QStringView rest) {
    qsizetype at = 0;
    while (at < rest.size() &&
           (rest[at].isLetterOrNumber() || rest[at] == u' ' || rest[at] == u'_'))
        ++at;
    return at > 0 && at < rest.size() && rest[at] == u'=';
}

sqlite3* handleOf(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// The result code of counting the stock tables; `count` gets the count.
int countStockTables(sqlite3* db, int& count) {
    static const char kSql[] =
        "select count(*) from sqlite_master where type = 'table' and name = 'pList' collate "
        "nocase";
    sqlite3_stmt* raw = nullptr;
    int result = sqlite3_prepare_v2(db, kSql, -1, &raw, nullptr);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    if (result != SQLITE_OK) return result;
    result = sqlite3_step(raw);
    if (result != SQLITE_ROW) return result;
    count = sqlite3_column_int(raw, 0);
    return SQLITE_OK;
}

}  // namespace

Connection::Connection() : name_(nextName()) {}

Connection::~Connection() {
    if (QSqlDatabase::contains(name_)) {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
}

QString Connection::DatabasePath(const QString& connectionString) {
    const QString key = QStringLiteral("DBQ=");
    const qsizetype start = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0) return {};
    const qsizetype from = start + key.size();
    qsizetype end = connectionString.indexOf(u';', from);
    while (end >= 0 && end + 1 < connectionString.size() &&
           !startsAttribute(QStringView(connectionString).mid(end + 1)))
        end = connectionString.indexOf(u';', end + 1);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

void Connection::Open() {
    const QString path = DatabaseFile.isEmpty() ? DatabasePath(ConnectionString) : DatabaseFile;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) fail(QStringLiteral("找不到数据库文件 '%1'。").arg(path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyWaitMs));
    if (!db.open())
        fail(QStringLiteral("无法打开数据库 '%1'。%2").arg(path, db.lastError().text()));
    // Record sets run their queries on SQLite itself, found once here rather
    // than on every keystroke.
    handle_ = handleOf(db);
    if (handle_ == nullptr) fail(QStringLiteral("无法打开数据库 '%1'。").arg(path));
    // SQLite opens any file lazily; read the schema now so that a foreign file
    // fails here and not at the first lookup.
    int tables = 0;
    const int result = countStockTables(handle_, tables) & 0xff;
    if (result == SQLITE_BUSY || result == SQLITE_LOCKED)
        fail(QStringLiteral("数据库 '%1' 正被其他程序使用,请稍后再试。").arg(path), kDatabaseBusy);
    if (result != SQLITE_OK) fail(QStringLiteral("不可识别的数据库格式 '%1'。").arg(path));
    if (tables == 0) fail(QStringLiteral("找不到表 'pList'。"));
}

}  // namespace platform::data
