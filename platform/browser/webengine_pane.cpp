#include "platform/browser/webengine_pane.h"

#include <QWebEngineScript>
#include <QWebEngineView>

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

}  // namespace

WebEnginePane::WebEnginePane(QWidget* parent)
    : BrowserPane(parent), view_(new QWebEngineView(this)) {
    page_ = new SilentPage(SharedProfile(), view_);
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::loadFinished, this, [this] { takeSnapshot(); });
}

WebEnginePane::~WebEnginePane() {
    life_.reset();
}

void WebEnginePane::resizeEvent(QResizeEvent* event) {
    BrowserPane::resizeEvent(event);
    view_->setGeometry(rect());
}

void WebEnginePane::Navigate(const QString& url) {
    ++navigation_;
    readyState_ = kLoading;
    page_->load(QUrl(url));
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
