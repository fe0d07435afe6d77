#pragma once

#include <QString>
#include <QStringList>
#include <QUtf8StringView>
#include <QVariantList>
#include <string>
#include <vector>

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

    // Throws RuntimeError when the query fails: kDatabaseBusy when another
    // program keeps the file locked, kFieldUnknown when the query names a
    // field the table lacks.
    void Open();
    bool EOF_() const { return row_ >= rows_; }
    void MoveNext() { ++row_; }
    int RecordCount() const { return static_cast<int>(rows_); }

    // The position of a field, its name compared without regard to case;
    // throws RuntimeError when there is no such field.
    int FieldIndex(const QString& name) const;
    // The current row's value of the field at `index` as SQLite holds it
    // (UTF-8), empty for a NULL value; it stays valid until the record set is
    // opened again or goes. Throws RuntimeError at the end or for a position
    // outside the fields.
    QUtf8StringView Value(int index) const;
    // The current row's value of the named field.
    QString Field(const QString& name) const { return Value(FieldIndex(name)).toString(); }

private:
    QStringList columns_;
    // Every value of every row, one after another, as SQLite gives them: the
    // lookup reads whole results on each keystroke, and one buffer costs
    // neither an allocation nor a conversion per value.
    std::string text_;
    // Where each value ends in text_, row after row.
    std::vector<qsizetype> ends_;
    qsizetype rows_ = 0;
    qsizetype row_ = 0;
};

}  // namespace platform::data
