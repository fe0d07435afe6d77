#include "platform/listview/list_lines.h"

#include <type_traits>

#include "platform/basic/runtime_error.h"

namespace platform::listview {

int ListLines::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : published_;
}

int ListLines::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ListLines::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= published_) return {};
    return index.column() < width() ? cell(index.row(), index.column()).toString() : QString();
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
    std::vector<Span> cells;
    cells.reserve(count_ * (column + 1));
    for (int line = 0; line < count_; ++line) {
        for (int at = 0; at < width(); ++at) cells.push_back(cells_[line * width() + at]);
        if (column > 0) cells.emplace_back();
    }
    captions_.append(caption);
    cells_ = std::move(cells);
    endResetModel();
}

void ListLines::Clear() {
    beginResetModel();
    text_.clear();
    cells_.clear();
    count_ = 0;
    published_ = 0;
    endResetModel();
}

int ListLines::Append(QAnyStringView text) {
    cells_.resize(cells_.size() + width());
    cells_[count_ * width()] = store(text);
    ++count_;
    if (!publishing_) {
        publishing_ = true;
        QMetaObject::invokeMethod(this, &ListLines::Publish, Qt::QueuedConnection);
    }
    return Count() - 1;
}

void ListLines::SetText(int line, int column, QAnyStringView text) {
    if (line < 0 || line >= Count() || column < 0 || column >= width())
        throw basic::RuntimeError(380, QStringLiteral("ListView"), QStringLiteral("无效属性值"));
    cells_[line * width() + column] = store(text);
    if (line < published_) emit dataChanged(index(line, column), index(line, column));
}

QUtf8StringView ListLines::cell(int line, qsizetype column) const {
    const Span span = cells_[line * width() + column];
    return QUtf8StringView(text_.data() + span.from, span.size);
}

ListLines::Span ListLines::store(QAnyStringView text) {
    const auto from = static_cast<qsizetype>(text_.size());
    text.visit([this](auto view) {
        if constexpr (std::is_same_v<decltype(view), QUtf8StringView>) {
            text_.append(view.data(), view.size());
        } else {
            const QByteArray utf8 = view.toString().toUtf8();
            text_.append(utf8.constData(), utf8.size());
        }
    });
    return {from, static_cast<qsizetype>(text_.size()) - from};
}

void ListLines::Publish() {
    publishing_ = false;
    if (published_ >= Count()) return;
    beginInsertRows({}, published_, Count() - 1);
    published_ = Count();
    endInsertRows();
}

}  // namespace platform::listview
