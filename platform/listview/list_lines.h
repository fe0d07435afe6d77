#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <algorithm>

namespace platform {

// The lines of a list view: each a row of texts,, the line's own text in
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
    int Append(const QString& text);
    // Throws RuntimeError when line or column lies outside the list.
    void SetText(int line, int column, const QString& text);
    int Count() const { return count_; }
    const QString& Text(int line) const { return cells_[line * width()]; }

    // Shows the lines added since the last publication to the views.
    void Publish();

private:
    // Texts per line: the line's own and one per further column.
    qsizetype width() const { return std::max<qsizetype>(captions_.size(), 1); }

    QStringList captions_;
    // The lines' texts one after another, width() to a line, so that adding a
    // line allocates nothing most of the time.
    QList<QString> cells_;
    int count_ = 0;
    int published_ = 0;
    bool publishing_ = false;
};

}  // namespace platform
