#include "support/fake_pane.h"

#include <numeric>

#include "platform/forms/designer_loader.h"

QString FakeElement::tagName() const {
    return index_ < 0 ? QStringLiteral("BODY") : document_.elements[index_].tag;
}

QString FakeElement::href() const {
    return index_ < 0 ? QString() : document_.elements[index_].href;
}

void FakeElement::setInnerHTML(const QString& html) {
    document_.pending.emplace_back(index_, html);
}

platform::browser::HtmlCollection& FakeElement::all() {
    return index_ < 0 ? *document_.bodyAll_ : *document_.none_;
}

platform::browser::HtmlElement* FakeCollection::item(int index) {
    if (index < 0 || index >= length()) return nullptr;
    return document_.objects_[indexes_[index]].get();
}

platform::browser::HtmlElement* FakeCollection::item(const QString& id) {
    for (int index : indexes_)
        if (document_.elements[index].id == id) return document_.objects_[index].get();
    return nullptr;
}

FakeDocument::FakeDocument(std::vector<FakeElementData> data, bool withBody)
    : elements(std::move(data)) {
    std::vector<int> all(elements.size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<int> inBody;
    for (size_t i = 0; i < elements.size(); ++i) {
        objects_.push_back(std::make_unique<FakeElement>(*this, static_cast<int>(i)));
        if (elements[i].inBody) inBody.push_back(static_cast<int>(i));
    }
    all_ = std::make_unique<FakeCollection>(*this, all);
    bodyAll_ = std::make_unique<FakeCollection>(*this, inBody);
    none_ = std::make_unique<FakeCollection>(*this, std::vector<int>{});
    // The body is index -1: its collection is the elements inside it.
    if (withBody) body_ = std::make_unique<FakeElement>(*this, -1);
}

platform::browser::HtmlElement* FakeDocument::body() {
    return body_.get();
}

void FakeDocument::apply(std::function<void()> done) {
    held_.push_back(std::move(done));
    if (!holdApply) releaseApply();
}

void FakeDocument::releaseApply() {
    for (const auto& [index, html] : pending) elements[index].innerHTML = html;
    pending.clear();
    auto held = std::move(held_);
    held_.clear();
    for (auto& done : held)
        if (done) done();
}

FakeDocument* FakePane::finish(const QString& url, std::unique_ptr<FakeDocument> document,
                               int readyState) {
    location_ = url;
    readyState_ = readyState;
    document_ = std::move(document);
    emit DownloadComplete();
    emit DocumentComplete(url);
    return document_.get();
}

void RegisterFakePaneKind() {
    platform::forms::RegisterKind(QStringLiteral("WebBrowser"),
                                  [](QWidget* parent, const platform::forms::DesignEntry& design) {
                                      auto* pane = new FakePane(parent);
                                      platform::forms::ApplyCommon(pane, design);
                                      return pane;
                                  });
}
