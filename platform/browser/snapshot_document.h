#pragma once

#include <QVariant>
#include <memory>
#include <vector>

#include "platform/browser/html_document.h"

class QWebEnginePage;

namespace platform::browser {

class SnapshotElement;

// The document of a WebEngine page. The page lives in another process and is
// reached only asynchronously, so the document is read once, when its
// download is complete, into a snapshot of its elements (tag, link, id,
// parent) that the program reads at once; the elements themselves are kept by
// the page in a script world of our own, so a change addresses the very
// element that was read. Changes are collected and sent to the page as one
// script by apply(), whose callback runs after the page has taken them.
class SnapshotDocument : public HtmlDocument {
    Q_OBJECT
public:
    // The script that makes the snapshot; its result goes to Create.
    static QString SnapshotScript();
    // nullptr when the result is no HTML document.
    static std::unique_ptr<SnapshotDocument> Create(QWebEnginePage* page, const QVariant& result);

    ~SnapshotDocument() override;

    QString location() const { return location_; }
    QString readyState() const { return readyState_; }

    HtmlElement* body() override;
    HtmlCollection& all() override;
    void apply(std::function<void()> done) override;
    void setContextMenuHandler(ContextMenuHandler handler) override;

    struct Change {
        int index;
        QString html;
    };
    void queue(Change change) { changes_.push_back(std::move(change)); }
    int parentOf(int index) const;
    SnapshotElement* element(int index);
    int elementCount() const { return static_cast<int>(elements_.size()); }

private:
    explicit SnapshotDocument(QWebEnginePage* page);
    void runInPage(const QString& script, std::function<void()> done);

    QWebEnginePage* page_;
    QString location_;
    QString readyState_;
    int body_ = -1;
    std::vector<std::unique_ptr<SnapshotElement>> elements_;
    std::vector<int> parents_;
    std::unique_ptr<HtmlCollection> all_;
    std::vector<Change> changes_;
};

}  // namespace platform::browser
