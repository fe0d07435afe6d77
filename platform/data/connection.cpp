#include "platform/data/connection.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include "platform/basic/runtime_error.h"

namespace platform::data {
namespace {

constexpr long kOpenFailed = -2147467259;  // the data layer's "unspecified error"
const QString kSource = QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");

[[noreturn]] void fail(const QString& description) {
    throw RuntimeError(kOpenFailed, kSource, description);
}

QString nextName() {
    static QAtomicInt counter;
    return QStringLiteral("marlquin-%1").arg(counter.fetchAndAddRelaxed(1));
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
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1")
                             .arg(CommandTimeout * 1000));
    if (!db.open())
        fail(QStringLiteral("[Microsoft][ODBC Microsoft Access Driver] 无法打开数据库 '%1'。%2")
                 .arg(path, db.lastError().text()));
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

QSqlDatabase Connection::database() const { return QSqlDatabase::database(name_, false); }

}  // namespace platform::data
