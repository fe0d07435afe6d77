#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>

namespace platform::tabstrip {

// A strip of tabs (designer kind "TabS"), drawn in the colours and fonts of
// its stored keys. A click on a tab selects it and raises Click with the
// tab's number, 0 for the first.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    // Takes the stored keys ("tabcount", "tabcaption(n)", the colours and the
    // fonts); keys match without regard to case, a missing key keeps its default.
    void ReadProperties(const QVariantMap& bag);

    int TabCount() const { return static_cast<int>(captions_.size()); }
    QString TabCaption(int tab) const;
    int SelectedTab() const { return selected_; }
    // Where a tab is drawn; empty for a number outside the strip.
    QRect TabRect(int tab) const;

    struct Colours {
        QColor activeStart, activeEnd, inactiveStart, inactiveEnd;
        QColor outerBorder, stripBack, disabledBack, disabledFore;
    };
    const Colours& colours() const { return colours_; }
    const QFont& activeFont() const { return activeFont_; }
    const QFont& inactiveFont() const { return inactiveFont_; }

signals:
    void Click(int tab);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintTab(class QPainter& painter, int tab) const;

    QStringList captions_;
    int selected_ = 0;
    Colours colours_;
    QFont activeFont_;
    QFont inactiveFont_;
};

}  // namespace platform::tabstrip
