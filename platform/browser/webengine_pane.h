#pragma once

#include <memory>

#include "platform/browser/browser_pane.h"

class QWebEngineView;

namespace platform::browser {

class SilentPage;
class SnapshotDocument;

// A browser pane on a WebEngine view with the shared profile. It has no
// context menu of its own.
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
    void takeSnapshot();
    void adoptSnapshot(const QVariant& result);

    QWebEngineView* view_;
    SilentPage* page_;
    std::unique_ptr<SnapshotDocument> document_;
    int readyState_ = kUninitialized;
    // Counts the navigations, so that the snapshot of a page that a newer
    // navigation has replaced is dropped.
    quint64 navigation_ = 0;
    // Ends with the pane: the page answers its pending scripts when it is
    // destroyed, by then the pane is half gone and must not take the answers.
    std::shared_ptr<int> life_ = std::make_shared<int>();
};

}  // namespace platform::browser
