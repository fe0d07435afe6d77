#include "platform/data/recordset.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "platform/basic/runtime_error.h"
#include "platform/data/connection.h"

namespace platform::data {
namespace {

constexpr long kQueryFailed = -2147217900;  // the data layer's syntax-error number
const QString kSource = QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");

}  // namespace

void Recordset::Open() {
    if (ActiveConnection == nullptr || !ActiveConnection->IsOpen())
        throw RuntimeError(3709, QStringLiteral("ADODB.Recordset"),
                           QStringLiteral("连接无法用于执行此操作。"));
    QSqlQuery query(ActiveConnection->database());
    query.setForwardOnly(true);
    if (!query.prepare(Source))
        throw RuntimeError(kQueryFailed, kSource, query.lastError().text());
    for (const QVariant& value : Parameters) query.addBindValue(value);
    if (!query.exec()) throw RuntimeError(kQueryFailed, kSource, query.lastError().text());

    const QSqlRecord record = query.record();
    columns_.clear();
    for (int i = 0; i < record.count(); ++i) columns_.append(record.fieldName(i).toLower());
    rows_.clear();
    while (query.next()) {
        QStringList row;
        row.reserve(columns_.size());
        for (int i = 0; i < columns_.size(); ++i) row.append(query.value(i).toString());
        rows_.append(std::move(row));
    }
    row_ = 0;
}

QString Recordset::Field(const QString& name) const {
    const qsizetype column = columns_.indexOf(name.toLower());
    if (column < 0 || EOF_())
        throw RuntimeError(3265, QStringLiteral("ADODB.Recordset"),
                           QStringLiteral("在对应所需名称或序数的集合中，未找到项目。"));
    return rows_[row_][column];
}

}  // namespace platform::data
