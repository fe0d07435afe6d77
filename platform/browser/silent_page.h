#pragma once

#include <QWebEnginePage>

namespace platform::browser {

// A page that, while silent, shows no dialog of any kind: script dialogs,
// sign-in and certificate questions, file choosers and permission requests
// are all answered with "no" without asking the user. Silent or not, it opens
// no window of its own: a new window that a click asks for shows its address
// in the user's browser, and script pop-ups stay closed.
class SilentPage : public QWebEnginePage {
    Q_OBJECT
public:
    SilentPage(QWebEngineProfile* profile, QObject* parent);

    void setSilent(bool silent) { silent_ = silent; }
    bool silent() const { return silent_; }

protected:
    QWebEnginePage* createWindow(WebWindowType) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;

private:
    void refuseRequests();
    static void openRequestedWindow(const QWebEngineNewWindowRequest& request);

    bool silent_ = false;
};

}  // namespace platform::browser
