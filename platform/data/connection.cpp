#include "platform/data/connection.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include "platform/basic/runtime_error.h"
#include "platform/data/data_errors.h"

namespace platform::data {
namespace {

[[noreturn]] void fail(const QString& description) {
    throw RuntimeError(kOpenFailed, ProviderSource(), description);
}

QString nextName() {
    static QAtomicInt counter;
    return QStringLiteral("marlquin-%1").arg(counter.fetchAndAddRelaxed(1));
}

sqlite3* handleOf(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
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
    const qsizetype end = connectionString.indexOf(';', from);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

void Connection::Open() {
    const QString path = DatabasePath(ConnectionString);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        fail(QStringLiteral("[Microsoft][ODBC Microsoft Access Driver] 找不到数据库文件 '%1'。")
                 .arg(path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(CommandTimeout * 1000));
    if (!db.open())
        fail(QStringLiteral("[Microsoft][ODBC Microsoft Access Driver] 无法打开数据库 '%1'。%2")
                 .arg(path, db.lastError().text()));
    // Record sets run their queries on SQLite itself, found once here rather
    // than on every keystroke.
    handle_ = handleOf(db);
    if (handle_ == nullptr)
        fail(QStringLiteral("[Microsoft][ODBC Microsoft Access Driver] 无法打开数据库 '%1'。")
                 .arg(path));
    // SQLite opens any file lazily; read the schema now so that a foreign file
    // fails here and not at the first lookup.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master where type = 'table' "
                                   "and name = 'pList' collate nocase")) ||
        !probe.next())
        fail(QStringLiteral("[Microsoft][ODBC Microsoft Access Driver] 不可识别的数据库格式 '%1'。")
                 .arg(path));
    if (probe.value(0).toInt() == 0)
        fail(QStringLiteral("[Microsoft][ODBC Microsoft Access Driver] 找不到表 'pList'。"));
}

bool Connection::IsOpen() const {
    return QSqlDatabase::contains(name_) && QSqlDatabase::database(name_, false).isOpen();
}

QSqlDatabase Connection::database() const {
    return QSqlDatabase::database(name_, false);
}

}  // namespace platform::data
