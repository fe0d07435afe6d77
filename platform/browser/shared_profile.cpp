#include "platform/browser/shared_profile.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace platform::browser {

void AddEngineFlags() {
    static const char* const kVariable = "QTWEBENGINE_CHROMIUM_FLAGS";
    // All panes share one renderer process; each further process costs far
    // more memory than the pages themselves.
    static const QByteArray kFlags = "--renderer-process-limit=1";
    QByteArray flags = qgetenv(kVariable);
    if (flags.contains(kFlags)) return;
    if (!flags.isEmpty()) flags += ' ';
    qputenv(kVariable, flags + kFlags);
}

QWebEngineProfile* SharedProfile() {
    static QWebEngineProfile* const profile = [] {
        AddEngineFlags();
        auto* created = new QWebEngineProfile(qApp);
        created->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        created->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        // The panes show no icons, so none is fetched: no page's icon and no
        // host's "/favicon.ico".
        created->settings()->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
        created->settings()->setAttribute(QWebEngineSettings::TouchIconsEnabled, false);
        return created;
    }();
    return profile;
}

}  // namespace platform::browser
