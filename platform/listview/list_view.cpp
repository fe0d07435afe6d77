#include "platform/listview/list_view.h"

#include <QHeaderView>

#include "platform/basic/rounding.h"

namespace platform {
namespace {

constexpr double kTwipsPerPixel = 15.0;

int pixelsOf(double twips) {
    return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel));
}

}  // namespace

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setColumnCount(0);
    header()->setStretchLastSection(false);
}

void ListView::AddColumn(const QString& caption, double widthTwips) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, caption);
    setColumnWidth(column, pixelsOf(widthTwips));
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

}  // namespace platform
