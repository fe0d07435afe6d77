#include "platform/listview/list_header.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace platform::listview {

ListHeader::ListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void ListHeader::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    const int end = length() - offset();
    const int width = viewport()->width();
    if (end >= width) return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = QRect(end, 0, width - end, viewport()->height());
    option.position = QStyleOptionHeader::End;
    QPainter painter(viewport());
    style()->drawControl(QStyle::CE_Header, &option, &painter, this);
}

}  // namespace platform::listview
