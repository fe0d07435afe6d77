#pragma once

#include <QStringList>
#include <memory>
#include <vector>

#include "platform/browser/browser_pane.h"

// An element of a fake document; the fields are what a test gives and reads.
struct FakeElementData {
    QString tag;
    QString id;
    QString href;
    QString innerHTML;
    bool inBody = true;
};

class FakeDocument;

class FakeElement : public platform::browser::HtmlElement {
public:
    FakeElement(FakeDocument& document, int index) : document_(document), index_(index) {}
    QString tagName() const override;
    QString href() const override;
    void setInnerHTML(const QString& html) override;
    platform::browser::HtmlCollection& all() override;

private:
    FakeDocument& document_;
    int index_;
};

class FakeCollection : public platform::browser::HtmlCollection {
public:
    FakeCollection(FakeDocument& document, std::vector<int> indexes)
        : document_(document), indexes_(std::move(indexes)) {}
    int length() const override { return static_cast<int>(indexes_.size()); }
    platform::browser::HtmlElement* item(int index) override;
    platform::browser::HtmlElement* item(const QString& id) override;

private:
    FakeDocument& document_;
    std::vector<int> indexes_;
};

// A document held in memory. Changes wait for apply(), like the real page's;
// with holdApply set, apply() keeps its callback until releaseApply().
class FakeDocument : public platform::browser::HtmlDocument {
public:
    explicit FakeDocument(std::vector<FakeElementData> elements, bool withBody = true);

    platform::browser::HtmlElement* body() override;
    platform::browser::HtmlCollection& all() override { return *all_; }
    void apply(std::function<void()> done) override;
    void setContextMenuHandler(ContextMenuHandler handler) override { menu_ = std::move(handler); }

    // A right click: true when the context menu would open.
    bool rightClick() const { return !menu_ || menu_(); }
    bool hasContextMenuHandler() const { return bool(menu_); }
    void releaseApply();

    bool holdApply = false;
    std::vector<FakeElementData> elements;
    std::vector<std::pair<int, QString>> pending;

private:
    friend class FakeElement;
    friend class FakeCollection;
    std::vector<std::unique_ptr<FakeElement>> objects_;
    std::unique_ptr<FakeCollection> all_;
    std::unique_ptr<FakeCollection> bodyAll_;
    std::unique_ptr<FakeCollection> none_;
    std::unique_ptr<FakeElement> body_;
    std::vector<std::function<void()>> held_;
    ContextMenuHandler menu_;
};

// A pane that records its navigations; a test finishes them with finish().
class FakePane : public platform::browser::BrowserPane {
    Q_OBJECT
public:
    using BrowserPane::BrowserPane;

    void Navigate(const QString& url) override { navigations.append(url); }
    void SetSilent(bool silent) override { silent_ = silent; }
    bool Silent() const override { return silent_; }
    platform::browser::HtmlDocument* Document() override { return document_.get(); }
    QString LocationURL() const override { return location_; }
    int ReadyState() const override { return readyState_; }

    // The pane reports a download and a complete document at url.
    FakeDocument* finish(const QString& url, std::unique_ptr<FakeDocument> document,
                         int readyState = platform::browser::kComplete);

    QStringList navigations;

private:
    bool silent_ = false;
    std::unique_ptr<FakeDocument> document_;
    QString location_;
    int readyState_ = platform::browser::kUninitialized;
};

// Makes the designer data's "WebBrowser" panes fake ones.
void RegisterFakePaneKind();
