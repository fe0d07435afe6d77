#include "platform/data/recordset.h"

#include <sqlite3.h>
#include <memory>

#include "platform/basic/runtime_error.h"
#include "platform/data/connection.h"
#include "platform/data/data_errors.h"

namespace platform::data {
namespace {

[[noreturn]] void failQuery(sqlite3* db, int result) {
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    const int primary = result & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw basic::RuntimeError(kDatabaseBusy, ProviderSource(), message);
    // SQLite's own wording for a field the table lacks.
    if (message.startsWith(QLatin1String("no such column")))
        throw basic::RuntimeError(kFieldUnknown, ProviderSource(), message);
    throw basic::RuntimeError(kQueryFailed, ProviderSource(), message);
}

[[noreturn]] void itemNotFound() {
    throw basic::RuntimeError(kItemNotFound, RecordsetSource(),
                              QStringLiteral("在对应所需名称或序数的集合中，未找到项目。"));
}

[[noreturn]] void noConnection() {
    throw basic::RuntimeError(kNoConnection, RecordsetSource(),
                              QStringLiteral("连接无法用于执行此操作。"));
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

}  // namespace

void Recordset::Open() {
    if (ActiveConnection == nullptr || !ActiveConnection->IsOpen()) noConnection();
    sqlite3* db = ActiveConnection->Handle();
    // The rows are read straight from SQLite: the lookup runs this on every
    // keystroke, and the driver's per-value variants cost more than the query.
    const QByteArray sql = Source.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const int prepared =
        sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &raw, nullptr);
    if (prepared != SQLITE_OK) failQuery(db, prepared);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    columns_.clear();
    text_.clear();
    ends_.clear();
    rows_ = 0;
    row_ = 0;
    if (raw == nullptr) return;  // nothing but blanks or a comment
    if (sqlite3_bind_parameter_count(raw) != Parameters.size())
        throw basic::RuntimeError(kQueryFailed, ProviderSource(),
                                  QStringLiteral("参数个数与查询中的参数标记不符。"));
    bindAll(raw, Parameters);
    const int count = sqlite3_column_count(raw);
    for (int i = 0; i < count; ++i)
        columns_.append(QString::fromUtf8(sqlite3_column_name(raw, i)).toLower());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        for (int i = 0; i < count; ++i) {
            const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(raw, i));
            if (value != nullptr) text_.append(value, sqlite3_column_bytes(raw, i));
            ends_.push_back(static_cast<qsizetype>(text_.size()));
        }
        ++rows_;
    }
    if (step != SQLITE_DONE) failQuery(db, step);
}

int Recordset::FieldIndex(const QString& name) const {
    const qsizetype column = columns_.indexOf(name.toLower());
    if (column < 0) itemNotFound();
    return static_cast<int>(column);
}

QUtf8StringView Recordset::Value(int index) const {
    if (index < 0 || index >= columns_.size() || EOF_()) itemNotFound();
    const qsizetype at = row_ * columns_.size() + index;
    const qsizetype from = at == 0 ? 0 : ends_[at - 1];
    return QUtf8StringView(text_.data() + from, ends_[at] - from);
}

}  // namespace platform::data
