#pragma once

#include <QAbstractTableModel>
#include <QAnyStringView>
#include <QStringList>
#include <QUtf8StringView>
#include <algorithm>
#include <string>
#include <vector>

namespace platform::listview {

// The lines of a list view: each a row of texts, the line's own text in
// column 0 and its sub-items after it. Lines added in a burst reach the view
// together, once control returns to the event loop (or at Publish), so that
// filling a long list costs one insertion for the view, not one per line.
class ListLines : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void AddColumn(const QString& caption);
    void Clear();
    // Returns the new line's position, counting from 0.
    int Append(QAnyStringView text);
    // Throws RuntimeError when line or column lies outside the list.
    void SetText(int line, int column, QAnyStringView text);
    int Count() const { return count_; }
    QString Text(int line) const { return cell(line, 0).toString(); }

    // Shows the lines added since the last publication to the views.
    void Publish();

private:
    // Where a cell's text lies in text_, in UTF-8 bytes.
    struct Span {
        qsizetype from = 0;
        qsizetype size = 0;
    };

    // Texts per line: the line's own and one per further column.
    qsizetype width() const { return std::max<qsizetype>(captions_.size(), 1); }
    QUtf8StringView cell(int line, qsizetype column) const;
    Span store(QAnyStringView text);

    QStringList captions_;
    // Every text in one UTF-8 buffer and the cells, width() to a line,
    // pointing into it: a lookup lists tens of thousands of lines on one
    // keystroke, and this way neither filling nor emptying the list allocates
    // per text, and only the lines on screen are ever converted. A replaced
    // text stays in the buffer until the list is emptied.
    std::string text_;
    std::vector<Span> cells_;
    int count_ = 0;
    int published_ = 0;
    bool publishing_ = false;
};

}  // namespace platform::listview
