#pragma once

#include <QAnyStringView>
#include <QTreeView>

namespace platform::listview {

class ListLines;

// The list view (designer kind "ListView") in report view: lines under column
// captions, one line selected at a time. Sizes given to and read from it are
// twips; lines are counted from 1, and 0 stands for no line.
class ListView : public QTreeView {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    void AddColumn(const QString& caption, double widthTwips);
    double Width() const;
    double Height() const;
    void SetHeight(double twips);

    void Clear();
    // Adds a line with the given text and returns it.
    int AddItem(QAnyStringView text);
    // Sets sub-item n (1 for the second column) of a line; throws RuntimeError
    // for a line or sub-item that does not exist.
    void SetSubItem(int line, int n, QAnyStringView text);
    int Count() const;
    int SelectedIndex() const;
    // The selected line's text; empty when no line is selected.
    QString SelectedText() const;

signals:
    // A double-click of the left button anywhere on the list, on a line or
    // not; the other buttons' double-clicks raise nothing.
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ListLines* lines_;
};

}  // namespace platform::listview
