#pragma once

#include <QTreeWidget>

namespace platform {

// The list view (designer kind "ListView") in report view: rows under column
// captions. Sizes given to and read from it are twips.
class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    void AddColumn(const QString& caption, double widthTwips);
    double Width() const;
    double Height() const;
    void SetHeight(double twips);
};

}  // namespace platform
