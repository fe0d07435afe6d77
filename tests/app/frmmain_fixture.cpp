#include "frmmain_fixture.h"

#include <QCoreApplication>
#include <QFile>

#include "app/Module/Globals.h"
#include "app/Module/Module.h"
#include "platform/basic/app_folder.h"
#include "platform/listview/register_list_view.h"
#include "platform/tabstrip/register_tab_strip.h"

void MainWindowTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    qputenv("MARLQUIN_PAGE_HOST", kPageHost.toUtf8());
    qputenv("MARLQUIN_INDEX_HOST", kIndexHost.toUtf8());
    qputenv("MARLQUIN_SITE_DOMAIN", kSiteDomain.toUtf8());
    qputenv("MARLQUIN_MEMBER_URL", kMemberUrl.toUtf8());
    qputenv("MARLQUIN_HOME_PAGE", kHomePage.toUtf8());
    oldFolder_ = platform::basic::ApplicationFolder();
    platform::basic::SetApplicationFolder(dir.path());
    RegisterFakePaneKind();
    platform::tabstrip::RegisterTabStripKind();
    platform::listview::RegisterListViewKind();
    oldBox_ = platform::forms::SetMsgBoxHandler(
        [this](const QString& prompt, int style, const QString& title) {
            boxes.append(prompt + '|' + QString::number(style) + '|' + title);
            return int(platform::forms::vbOK);
        });
    oldOpen_ = platform::shell::SetOpenUrlHandler([this](const QString& url) {
        opened.append(url);
        return true;
    });
    oldModal_ = platform::forms::SetModalRunner([this](platform::forms::Form& form) {
        modals.append(form.windowTitle());
        if (onModal)
            onModal(form);
        else
            form.Unload();
    });
    oldQuit_ = platform::forms::SetQuitHandler([] {});
    oldUser_ = CurrentUser;
    CurrentUser.clear();
}

void MainWindowTest::TearDown() {
    Module::UnloadAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::forms::SetMsgBoxHandler(oldBox_);
    platform::shell::SetOpenUrlHandler(oldOpen_);
    platform::forms::SetModalRunner(oldModal_);
    platform::forms::SetQuitHandler(oldQuit_);
    platform::basic::SetApplicationFolder(oldFolder_);
    CurrentUser = oldUser_;
}

Frmmain& MainWindowTest::open(const QByteArray& configIni) {
    if (!configIni.isEmpty()) {
        QFile file(dir.filePath("Config.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(configIni);
    }
    window = &platform::forms::Default<Frmmain>();
    window->Show();
    return *window;
}

FakePane& MainWindowTest::pane(platform::browser::BrowserPane* pane) {
    auto* fake = qobject_cast<FakePane*>(pane);
    EXPECT_NE(fake, nullptr);
    return *fake;
}

QString MainWindowTest::readConfig(const QString& key) const {
    return Module::ReadIni(QStringLiteral("Config"), key, Module::AppPath() + "Config.ini");
}

bool MainWindowTest::status(int category) const {
    return window->FlatCmd1[category]->property("Status").toBool();
}
