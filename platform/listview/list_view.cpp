#include "platform/listview/list_view.h"

#include <QMouseEvent>

#include "platform/basic/rounding.h"
#include "platform/listview/list_header.h"
#include "platform/listview/list_lines.h"

namespace platform::listview {
namespace {

constexpr double kTwipsPerPixel = 15.0;

int pixelsOf(double twips) {
    return static_cast<int>(basic::RoundHalfEven(twips / kTwipsPerPixel));
}

}  // namespace

ListView::ListView(QWidget* parent) : QTreeView(parent), lines_(new ListLines(this)) {
    setHeader(new ListHeader(this));
    setModel(lines_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
}

void ListView::AddColumn(const QString& caption, double widthTwips) {
    lines_->AddColumn(caption);
    setColumnWidth(lines_->columnCount() - 1, pixelsOf(widthTwips));
}

double ListView::Width() const {
    return width() * kTwipsPerPixel;
}

double ListView::Height() const {
    return height() * kTwipsPerPixel;
}

void ListView::SetHeight(double twips) {
    resize(width(), pixelsOf(twips));
}

void ListView::Clear() {
    lines_->Clear();
}

int ListView::AddItem(QAnyStringView text) {
    return lines_->Append(text) + 1;
}

void ListView::SetSubItem(int line, int n, QAnyStringView text) {
    lines_->SetText(line - 1, n < 1 ? -1 : n, text);
}

int ListView::Count() const {
    return lines_->Count();
}

int ListView::SelectedIndex() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

QString ListView::SelectedText() const {
    const int line = SelectedIndex();
    return line == 0 ? QString() : lines_->Text(line - 1);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit DblClick();
}

}  // namespace platform::listview
