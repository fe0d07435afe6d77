#pragma once

#include <QLabel>

namespace platform::forms::controls {

// The forms runtime's label: text on the window, with click and mouse-down
// events (links and title labels use them).
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

signals:
    void Click();
    void MouseDown(int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace platform::forms::controls
