#pragma once

#include <QString>
#include <QWidget>

#include "platform/browser/html_document.h"

namespace platform::browser {

// Ready states of a pane's document.
enum ReadyState { kUninitialized = 0, kLoading = 1, kLoaded = 2, kInteractive = 3, kComplete = 4 };

// A browser pane of a window (designer kind "WebBrowser").
class BrowserPane : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Starts loading the address; a new navigation replaces a running one.
    virtual void Navigate(const QString& url) = 0;
    // A silent pane shows no dialog of any kind. No pane opens a window of
    // its own: a new window that a click asks for opens in the user's browser.
    virtual void SetSilent(bool silent) = 0;
    virtual bool Silent() const = 0;

    // The current document; nullptr before the first one, or when the pane
    // shows something that is not an HTML document.
    virtual HtmlDocument* Document() = 0;
    // The address of the top document.
    virtual QString LocationURL() const = 0;
    virtual int ReadyState() const = 0;

signals:
    // A download of the pane has ended (also a failed or stopped one);
    // Document() is then the document that the pane shows.
    void DownloadComplete();
    // A document of the pane is complete.
    void DocumentComplete(const QString& url);
};

}  // namespace platform::browser
