#include "platform/browser/snapshot_document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <numeric>

#include "platform/browser/snapshot_element.h"

namespace platform::browser {
namespace {

// Our scripts run in a world of their own: the page's scripts neither see
// the kept elements nor can they disturb our code.
constexpr quint32 kWorld = QWebEngineScript::ApplicationWorld;

const char* const kSnapshot = R"JS(
(function () {
    // An HTML page, also one served as XHTML; no picture, no other XML.
    if (!(document.documentElement instanceof HTMLHtmlElement)) return null;
    var all = Array.prototype.slice.call(document.all);
    window.marlquinElements = all;
    var position = new Map();
    all.forEach(function (element, index) { position.set(element, index); });
    var items = all.map(function (element) {
        var href = element.href;
        var parent = position.get(element.parentElement);
        return [element.tagName || '', typeof href === 'string' ? href : '',
                typeof element.id === 'string' ? element.id : '',
                parent === undefined ? -1 : parent];
    });
    var body = position.get(document.body);
    return { url: location.href, readyState: document.readyState,
             body: body === undefined ? -1 : body, items: items };
})()
)JS";

// Every change on its own: a failing one is skipped and the next one runs.
const char* const kApply = R"JS(
(function (changes) {
    var all = window.marlquinElements || [];
    changes.forEach(function (change) {
        try { all[change[0]].innerHTML = change[1]; } catch (e) {}
    });
    return true;
})(%1)
)JS";

const char* const kCancelContextMenu = R"JS(
(function () {
    if (window.marlquinNoMenu) return;
    window.marlquinNoMenu = true;
    document.addEventListener('contextmenu', function (e) { e.preventDefault(); }, true);
})()
)JS";

}  // namespace

QString SnapshotDocument::SnapshotScript() {
    return QString::fromUtf8(kSnapshot);
}

std::unique_ptr<SnapshotDocument> SnapshotDocument::Create(QWebEnginePage* page,
                                                           const QVariant& result) {
    const QVariantMap map = result.toMap();
    if (!map.contains(QStringLiteral("items"))) return nullptr;
    std::unique_ptr<SnapshotDocument> document(new SnapshotDocument(page));
    document->location_ = map.value(QStringLiteral("url")).toString();
    document->readyState_ = map.value(QStringLiteral("readyState")).toString();
    document->body_ = map.value(QStringLiteral("body")).toInt();
    const QVariantList items = map.value(QStringLiteral("items")).toList();
    std::vector<int> parents;
    for (const QVariant& item : items) {
        const QVariantList fields = item.toList();
        if (fields.size() != 4) return nullptr;
        const int index = static_cast<int>(document->elements_.size());
        document->elements_.push_back(std::make_unique<SnapshotElement>(
            *document, index, fields[0].toString(), fields[1].toString(), fields[2].toString()));
        parents.push_back(fields[3].toInt());
    }
    document->parents_ = std::move(parents);
    std::vector<int> indexes(document->elements_.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    document->all_ = std::make_unique<SnapshotCollection>(*document, std::move(indexes));
    return document;
}

SnapshotDocument::SnapshotDocument(QWebEnginePage* page) : page_(page) {}

SnapshotDocument::~SnapshotDocument() = default;

int SnapshotDocument::parentOf(int index) const {
    if (index < 0 || index >= static_cast<int>(parents_.size())) return -1;
    return parents_[static_cast<size_t>(index)];
}

SnapshotElement* SnapshotDocument::element(int index) {
    return elements_[static_cast<size_t>(index)].get();
}

HtmlElement* SnapshotDocument::body() {
    return body_ >= 0 ? element(body_) : nullptr;
}

HtmlCollection& SnapshotDocument::all() {
    return *all_;
}

void SnapshotDocument::apply(std::function<void()> done) {
    QJsonArray changes;
    for (const Change& change : changes_) changes.append(QJsonArray{change.index, change.html});
    changes_.clear();
    const QString list = QString::fromUtf8(QJsonDocument(changes).toJson(QJsonDocument::Compact));
    runInPage(QString::fromUtf8(kApply).arg(list), std::move(done));
}

void SnapshotDocument::setContextMenuHandler(ContextMenuHandler handler) {
    // The page cannot wait for the program while it handles a right click, so
    // the handler is asked once, when it is bound, and its answer holds for
    // the whole document.
    if (handler && !handler()) runInPage(QString::fromUtf8(kCancelContextMenu), {});
}

void SnapshotDocument::runInPage(const QString& script, std::function<void()> done) {
    QPointer<SnapshotDocument> self(this);
    page_->runJavaScript(script, kWorld, [self, done](const QVariant&) {
        if (self && done) done();
    });
}

}  // namespace platform::browser
