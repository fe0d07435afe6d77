#pragma once

#include <QImage>
#include <QWidget>

namespace platform::forms::controls {

// The forms runtime's picture box: a back colour, an optional picture, and a
// container for other controls.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetBackColor(const QColor& colour);
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

signals:
    void MouseDown(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor back_ = Qt::white;
    QImage picture_;
};

}  // namespace platform::forms::controls
