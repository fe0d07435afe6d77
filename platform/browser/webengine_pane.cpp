#include "platform/browser/webengine_pane.h"

#include <QWebEngineScript>
#include <QWebEngineView>
#include <algorithm>

#include "platform/browser/shared_profile.h"
#include "platform/browser/silent_page.h"
#include "platform/browser/snapshot_document.h"

namespace platform::browser {
namespace {

int readyStateOf(const QString& state) {
    if (state == QLatin1String("complete")) return kComplete;
    if (state == QLatin1String("interactive")) return kInteractive;
    if (state == QLatin1String("loading")) return kLoading;
    return kUninitialized;
}

// The wait before the reload after the renderer's n-th abnormal end in a row.
// The first reload comes at once. A renderer that ends again before the page
// has loaded (a page that exhausts its memory, a machine short of memory)
// would otherwise be started and ended without pause: each further reload
// waits twice as long as the one before, up to a minute, so that the pane
// still comes back once the cause has gone.
int reloadWaitMs(int ends) {
    constexpr int kFirstWaitMs = 1000;
    constexpr int kLongestWaitMs = 60000;
    if (ends <= 1) return 0;
    return std::min(kFirstWaitMs << std::min(ends - 2, 6), kLongestWaitMs);
}

}  // namespace

WebEnginePane::WebEnginePane(QWidget* parent)
    : BrowserPane(parent), view_(new QWebEngineView(this)) {
    page_ = new SilentPage(SharedProfile(), view_);
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (ok) rendererEnds_ = 0;
        takeSnapshot();
    });
    connect(
        page_, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus status) { rendererEnded(status); });
    // The engine forgets the page's address when its renderer ends.
    connect(page_, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        if (!url.isEmpty()) address_ = url;
    });
    reload_.setSingleShot(true);
    connect(&reload_, &QTimer::timeout, this, [this] { load(address_); });
}

WebEnginePane::~WebEnginePane() {
    life_.reset();
    // The page outlives the pane's members; what it reports on its way out
    // is no longer the pane's.
    disconnect(page_, nullptr, this, nullptr);
}

void WebEnginePane::resizeEvent(QResizeEvent* event) {
    BrowserPane::resizeEvent(event);
    view_->setGeometry(rect());
}

void WebEnginePane::Navigate(const QString& url) {
    reload_.stop();
    rendererEnds_ = 0;
    load(QUrl(url));
}

void WebEnginePane::load(const QUrl& url) {
    address_ = url;
    ++navigation_;
    readyState_ = kLoading;
    page_->load(url);
}

// Once per abnormal end: the page that the pane showed or was loading is
// loaded again, at once or after its wait.
void WebEnginePane::rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status) {
    if (status == QWebEnginePage::NormalTerminationStatus) return;
    reload_.start(reloadWaitMs(++rendererEnds_));
}

void WebEnginePane::SetSilent(bool silent) {
    page_->setSilent(silent);
}

bool WebEnginePane::Silent() const {
    return page_->silent();
}

HtmlDocument* WebEnginePane::Document() {
    return document_.get();
}

QString WebEnginePane::LocationURL() const {
    return document_ ? document_->location() : page_->url().toString();
}

void WebEnginePane::takeSnapshot() {
    // The end of a navigation that a newer one has replaced: the newer one
    // reports its own end.
    if (page_->isLoading()) return;
    const quint64 navigation = navigation_;
    std::weak_ptr<int> life = life_;
    page_->runJavaScript(SnapshotDocument::SnapshotScript(), QWebEngineScript::ApplicationWorld,
                         [this, life, navigation](const QVariant& result) {
                             if (life.expired() || navigation_ != navigation) return;
                             if (page_->isLoading()) return;
                             adoptSnapshot(result);
                         });
}

void WebEnginePane::adoptSnapshot(const QVariant& result) {
    document_ = SnapshotDocument::Create(page_, result);
    readyState_ = document_ ? readyStateOf(document_->readyState()) : kComplete;
    emit DownloadComplete();
    emit DocumentComplete(LocationURL());
}

}  // namespace platform::browser
