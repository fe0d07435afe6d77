#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace platform::data {

class Connection;

// Stand-in for a client-side record set: Open runs the query and keeps every
// row, in the order the database returns them.
class Recordset {
public:
    int CursorType = -1;
    int LockType = -1;
    QString Source;
    Connection* ActiveConnection = nullptr;
    // Bound in order to the query's "?" placeholders.
    QVariantList Parameters;

    // Throws RuntimeError when the query fails.
    void Open();
    bool EOF_() const { return row_ >= rows_.size(); }
    void MoveNext() { ++row_; }
    int RecordCount() const { return static_cast<int>(rows_.size()); }

    // The current row's field, looked up without regard to case; empty for a
    // NULL value.
    QString Field(const QString& name) const;

private:
    QStringList columns_;
    QVector<QStringList> rows_;
    qsizetype row_ = 0;
};

}  // namespace platform::data
