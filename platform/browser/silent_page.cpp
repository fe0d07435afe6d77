#include "platform/browser/silent_page.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QWebEngineCertificateError>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>

#include "platform/shell/open_url.h"

namespace platform::browser {
namespace {

// The question the engine asks through javaScriptConfirm before a page with an
// unload handler is left. A silent pane leaves the page, so that a new
// navigation always replaces the old one.
bool isLeavePageQuestion(const QString& msg) {
    return msg == QCoreApplication::translate(
                      "QWebEnginePage",
                      "Are you sure you want to leave this page? Changes that you made may "
                      "not be saved.");
}

}  // namespace

SilentPage::SilentPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    refuseRequests();
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [](const QWebEngineNewWindowRequest& request) { openRequestedWindow(request); });
}

void SilentPage::refuseRequests() {
    connect(this, &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl&, QAuthenticator* authenticator) {
                if (silent_) *authenticator = QAuthenticator();
            });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl&, QAuthenticator* authenticator, const QString&) {
                if (silent_) *authenticator = QAuthenticator();
            });
    connect(this, &QWebEnginePage::certificateError, this,
            [this](const QWebEngineCertificateError& error) {
                if (!silent_) return;
                QWebEngineCertificateError refused = error;
                refused.rejectCertificate();
            });
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& origin, Feature feature) {
                if (silent_) setFeaturePermission(origin, feature, PermissionDeniedByUser);
            });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [this](QWebEngineFileSystemAccessRequest request) {
                if (silent_) request.reject();
            });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [this](QWebEngineRegisterProtocolHandlerRequest request) {
                if (silent_) request.reject();
            });
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [this](QWebEngineFullScreenRequest request) {
                if (silent_) request.reject();
            });
}

// The pane opens no window of its own; the engine then hands the request on
// as newWindowRequested, where openRequestedWindow takes it.
QWebEnginePage* SilentPage::createWindow(WebWindowType) {
    return nullptr;
}

// A link that asks for a new window, or a window.open() of a click, opens
// its web address in the user's browser. Pop-ups that no click started stay
// closed, and so do addresses that are no web pages: the desktop would hand
// them to whatever program claims their kind.
void SilentPage::openRequestedWindow(const QWebEngineNewWindowRequest& request) {
    const QUrl url = request.requestedUrl();
    const bool web =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (request.isUserInitiated() && web) shell::OpenUrl(url.toString());
}

QStringList SilentPage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                    const QStringList& acceptedMimeTypes) {
    if (silent_) return {};
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

void SilentPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
    if (!silent_) QWebEnginePage::javaScriptAlert(securityOrigin, msg);
}

bool SilentPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
    if (silent_) return isLeavePageQuestion(msg);
    return QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
}

bool SilentPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                  const QString& defaultValue, QString* result) {
    if (silent_) return false;
    return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}

void SilentPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                          const QString& message, int lineNumber,
                                          const QString& sourceID) {
    // Script errors of the pages are theirs; a silent pane does not report them.
    if (!silent_) QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
}

}  // namespace platform::browser
