#include "platform/browser/snapshot_element.h"

#include "platform/browser/snapshot_document.h"

namespace platform::browser {

SnapshotCollection::SnapshotCollection(SnapshotDocument& document, std::vector<int> indexes)
    : document_(document), indexes_(std::move(indexes)) {}

HtmlElement* SnapshotCollection::item(int index) {
    if (index < 0 || index >= length()) return nullptr;
    return document_.element(indexes_[static_cast<size_t>(index)]);
}

HtmlElement* SnapshotCollection::item(const QString& id) {
    for (int index : indexes_) {
        SnapshotElement* element = document_.element(index);
        if (element->id() == id) return element;
    }
    return nullptr;
}

SnapshotElement::SnapshotElement(SnapshotDocument& document, int index, QString tagName,
                                 QString href, QString id)
    : document_(document),
      index_(index),
      tagName_(std::move(tagName)),
      href_(std::move(href)),
      id_(std::move(id)) {}

void SnapshotElement::setInnerHTML(const QString& html) {
    document_.queue({index_, html});
}

bool SnapshotElement::contains(int other) const {
    for (int parent = document_.parentOf(other); parent >= 0; parent = document_.parentOf(parent))
        if (parent == index_) return true;
    return false;
}

HtmlCollection& SnapshotElement::all() {
    if (!all_) {
        // The elements inside this one follow it in document order, without a gap.
        std::vector<int> inside;
        for (int other = index_ + 1; other < document_.elementCount() && contains(other); ++other)
            inside.push_back(other);
        all_ = std::make_unique<SnapshotCollection>(document_, std::move(inside));
    }
    return *all_;
}

}  // namespace platform::browser
