#pragma once

#include <QHeaderView>

namespace platform::listview {

// The column captions of a list view. Right of the last column it shows an
// empty caption, as a report view does, rather than whatever background the
// list's window has behind it.
class ListHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit ListHeader(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform::listview
