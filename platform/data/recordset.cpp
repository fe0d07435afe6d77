#include "platform/data/recordset.h"

#include <sqlite3.h>
#include <QSqlDriver>
#include <memory>

#include "platform/basic/runtime_error.h"
#include "platform/data/connection.h"

namespace platform::data {
namespace {

constexpr long kQueryFailed = -2147217900;  // the data layer's syntax-error number
const QString kSource = QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");

sqlite3* handleOf(const QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

void bindAll(sqlite3_stmt* statement, const QVariantList& parameters) {
    for (int i = 0; i < parameters.size(); ++i) {
        const QVariant& value = parameters[i];
        if (value.isNull()) {
            sqlite3_bind_null(statement, i + 1);
            continue;
        }
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(statement, i + 1, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
}

QStringList rowOf(sqlite3_stmt* statement, int count) {
    QStringList row;
    row.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
        row.append(text == nullptr ? QString()
                                   : QString::fromUtf8(text, sqlite3_column_bytes(statement, i)));
    }
    return row;
}

}  // namespace

void Recordset::Open() {
    if (ActiveConnection == nullptr || !ActiveConnection->IsOpen())
        throw RuntimeError(3709, QStringLiteral("ADODB.Recordset"),
                           QStringLiteral("连接无法用于执行此操作。"));
    sqlite3* db = handleOf(ActiveConnection->database());
    if (db == nullptr)
        throw RuntimeError(3709, QStringLiteral("ADODB.Recordset"),
                           QStringLiteral("连接无法用于执行此操作。"));
    // The rows are read straight from SQLite: the lookup runs this on every
    // keystroke, and the driver's per-value variants cost more than the query.
    const QByteArray sql = Source.toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &raw, nullptr) !=
        SQLITE_OK)
        throw RuntimeError(kQueryFailed, kSource, QString::fromUtf8(sqlite3_errmsg(db)));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    columns_.clear();
    rows_.clear();
    row_ = 0;
    if (raw == nullptr) return;  // nothing but blanks or a comment
    if (sqlite3_bind_parameter_count(raw) != Parameters.size())
        throw RuntimeError(kQueryFailed, kSource,
                           QStringLiteral("参数个数与查询中的参数标记不符。"));
    bindAll(raw, Parameters);
    const int count = sqlite3_column_count(raw);
    for (int i = 0; i < count; ++i)
        columns_.append(QString::fromUtf8(sqlite3_column_name(raw, i)).toLower());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) rows_.append(rowOf(raw, count));
    if (step != SQLITE_DONE)
        throw RuntimeError(kQueryFailed, kSource, QString::fromUtf8(sqlite3_errmsg(db)));
}

QString Recordset::Field(const QString& name) const {
    const qsizetype column = columns_.indexOf(name.toLower());
    if (column < 0 || EOF_())
        throw RuntimeError(3265, QStringLiteral("ADODB.Recordset"),
                           QStringLiteral("在对应所需名称或序数的集合中，未找到项目。"));
    return rows_[row_][column];
}

}  // namespace platform::data
