#pragma once

#include <QWidget>

namespace platform::forms::controls {

// The forms runtime's line control: a one-pixel line from a first point up
// to a second, drawn by a widget that just covers it.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, QPoint from, QPoint to, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    QColor colour_;
};

}  // namespace platform::forms::controls
