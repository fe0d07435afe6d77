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
    const QStringList& line = lines_[index.row()];
    return index.column() < line.size() ? line[index.column()] : QString();
}

QVariant ListLines::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= captions_.size())
        return {};
    return captions_[section];
}

void ListLines::AddColumn(const QString& caption) {
    const int column = static_cast<int>(captions_.size());
    beginInsertColumns({}, column, column);
    captions_.append(caption);
    endInsertColumns();
}

void ListLines::Clear() {
    beginResetModel();
    lines_.clear();
    published_ = 0;
    endResetModel();
}

int ListLines::Append(const QString& text) {
    QStringList line(std::max<qsizetype>(captions_.size(), 1));
    line[0] = text;
    lines_.append(std::move(line));
    if (!publishing_) {
        publishing_ = true;
        QMetaObject::invokeMethod(this, &ListLines::Publish, Qt::QueuedConnection);
    }
    return Count() - 1;
}

void ListLines::SetText(int line, int column, const QString& text) {
    if (line < 0 || line >= Count() || column < 0 ||
        column >= std::max<qsizetype>(captions_.size(), 1))
        throw RuntimeError(380, QStringLiteral("ListView"), QStringLiteral("无效属性值"));
    QStringList& texts = lines_[line];
    if (column >= texts.size()) texts.resize(column + 1);
    texts[column] = text;
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
