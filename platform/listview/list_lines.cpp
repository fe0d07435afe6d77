#include "platform/listview/list_lines.h"

#include "platform/basic/runtime_error.h"

namespace platform {

int ListLines::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : published_;
}

int ListLines::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ListLines::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= published_) return {};
    return index.column() < width() ? cells_[index.row() * width() + index.column()] : QString();
}

QVariant ListLines::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= captions_.size())
        return {};
    return captions_[section];
}

void ListLines::AddColumn(const QString& caption) {
    const int column = static_cast<int>(captions_.size());
    beginResetModel();
    // Lines made before the column get an empty text in it.
    QList<QString> cells;
    cells.reserve(count_ * (column + 1));
    for (int line = 0; line < count_; ++line) {
        for (int at = 0; at < width(); ++at) cells.append(cells_[line * width() + at]);
        if (column > 0) cells.append(QString());
    }
    captions_.append(caption);
    cells_ = std::move(cells);
    endResetModel();
}

void ListLines::Clear() {
    beginResetModel();
    cells_.clear();
    count_ = 0;
    published_ = 0;
    endResetModel();
}

int ListLines::Append(const QString& text) {
    cells_.resize(cells_.size() + width());
    cells_[count_ * width()] = text;
    ++count_;
    if (!publishing_) {
        publishing_ = true;
        QMetaObject::invokeMethod(this, &ListLines::Publish, Qt::QueuedConnection);
    }
    return Count() - 1;
}

void ListLines::SetText(int line, int column, const QString& text) {
    if (line < 0 || line >= Count() || column < 0 || column >= width())
        throw RuntimeError(380, QStringLiteral("ListView"), QStringLiteral("无效属性值"));
    cells_[line * width() + column] = text;
    if (line < published_) emit dataChanged(index(line, column), index(line, column));
}

void ListLines::Publish() {
    publishing_ = false;
    if (published_ >= Count()) return;
    beginInsertRows({}, published_, Count() - 1);
    published_ = Count();
    endInsertRows();
}

}  // namespace platform
