#pragma once

#include <memory>
#include <vector>

#include "platform/browser/html_document.h"

namespace platform::browser {

class SnapshotDocument;

// Elements of a snapshot, by their positions in the document's collection.
class SnapshotCollection : public HtmlCollection {
public:
    SnapshotCollection(SnapshotDocument& document, std::vector<int> indexes);
    int length() const override { return static_cast<int>(indexes_.size()); }
    HtmlElement* item(int index) override;
    HtmlElement* item(const QString& id) override;

private:
    SnapshotDocument& document_;
    std::vector<int> indexes_;
};

// One element of a snapshot; innerHTML changes are queued on the document.
class SnapshotElement : public HtmlElement {
public:
    SnapshotElement(SnapshotDocument& document, int index, QString tagName, QString href,
                    QString id);
    QString tagName() const override { return tagName_; }
    QString href() const override { return href_; }
    QString id() const { return id_; }
    void setInnerHTML(const QString& html) override;
    HtmlCollection& all() override;

private:
    bool contains(int other) const;

    SnapshotDocument& document_;
    int index_;
    QString tagName_;
    QString href_;
    QString id_;
    std::unique_ptr<SnapshotCollection> all_;
};

}  // namespace platform::browser
