#pragma once

#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <memory>

#include "platform/browser/browser_pane.h"

class QWebEngineView;

namespace platform::browser {

class SilentPage;
class SnapshotDocument;

// A browser pane on a WebEngine view with the shared profile. It has no
// context menu of its own. When its renderer process ends abnormally (killed,
// crashed, out of memory) it loads its page again by itself.
class WebEnginePane : public BrowserPane {
    Q_OBJECT
public:
    explicit WebEnginePane(QWidget* parent = nullptr);
    ~WebEnginePane() override;

    void Navigate(const QString& url) override;
    void SetSilent(bool silent) override;
    bool Silent() const override;
    HtmlDocument* Document() override;
    QString LocationURL() const override;
    int ReadyState() const override { return readyState_; }

    QWebEngineView* view() const { return view_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void load(const QUrl& url);
    void rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);
    void takeSnapshot();
    void adoptSnapshot(const QVariant& result);

    QWebEngineView* view_;
    SilentPage* page_;
    std::unique_ptr<SnapshotDocument> document_;
    int readyState_ = kUninitialized;
    // Counts the navigations, so that the snapshot of a page that a newer
    // navigation has replaced is dropped.
    quint64 navigation_ = 0;
    // The page that the pane shows or loads; abnormal ends of the renderer
    // since the pane last loaded a page, and the reload that waits for its
    // time after such an end.
    QUrl address_;
    int rendererEnds_ = 0;
    QTimer reload_;
    // Ends with the pane: the page answers its pending scripts when it is
    // destroyed, by then the pane is half gone and must not take the answers.
    std::shared_ptr<int> life_ = std::make_shared<int>();
};

}  // namespace platform::browser
