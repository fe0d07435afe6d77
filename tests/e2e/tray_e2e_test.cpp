#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

#include "app/FrmTi/FrmTi.h"
#include "app/Frmmain/Frmmain.h"
#include "app/Module/Module.h"
#include "desktop_fixture.h"
#include "platform/forms/forms_collection.h"

namespace {

using desktop::WaitUntil;

// The program's tray icons and the windows that show them.
QList<QSystemTrayIcon*> trayIcons() {
    return qApp->findChildren<QSystemTrayIcon*>();
}

WId dockedIconWindow() {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (qstrcmp(widget->metaObject()->className(), "QSystemTrayIconSys") == 0 &&
            widget->isVisible())
            return widget->winId();
    return 0;
}

bool iconDocked() {
    return desktop::IsDocked(dockedIconWindow());
}

QPoint iconCentre() {
    return desktop::ScreenRect(dockedIconWindow()).center();
}

// Plays the user in the next popup menu: notes its items, then does what the
// step asks (clicks an item, or presses a key).
class MenuPlayer : public QObject {
public:
    explicit MenuPlayer(std::function<void(QMenu&)> act) : act_(std::move(act)) {
        connect(&poll_, &QTimer::timeout, this, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr || !menu->isVisible()) return;
            poll_.stop();
            for (const QAction* action : menu->actions()) items << action->text();
            act_(*menu);
        });
        poll_.start(100);
    }
    QStringList items;

private:
    std::function<void(QMenu&)> act_;
    QTimer poll_;
};

bool menuOpen() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
}

void button(const char* upOrDown, int number) {
    desktop::Run("xdotool", {upOrDown, QString::number(number)});
}

QPoint itemCentre(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text) return menu.mapToGlobal(menu.actionGeometry(action).center());
    return {};
}

TEST(TrayOnTheDesktop, IconRestoresTheWindowSurvivesTheHostAndItsMenuEndsTheProgram) {
    int quits = 0;
    const auto oldQuit = platform::forms::SetQuitHandler([&quits] { ++quits; });
    desktop::TrayHost host;
    ASSERT_TRUE(host.Start()) << "trayer did not take the tray";

    Frmmain& window = platform::forms::Default<Frmmain>();
    window.Show();
    ASSERT_TRUE(WaitUntil(iconDocked)) << "no icon in the tray with the main window";
    ASSERT_TRUE(WaitUntil([&] { return desktop::IsViewable(window.winId()); }));

    window.Command1_Click();
    ASSERT_TRUE(WaitUntil([&] { return !desktop::IsViewable(window.winId()); }));
    EXPECT_TRUE(iconDocked());

    desktop::Click(iconCentre(), 1, 2);
    EXPECT_TRUE(WaitUntil([&] {
        return desktop::IsViewable(window.winId()) && window.isVisible() && !window.isMinimized();
    })) << "a double-click on the icon did not bring the window back";

    host.Stop();
    ASSERT_TRUE(WaitUntil([] { return trayIcons().isEmpty(); }))
        << "the icon outlived its tray host";
    window.Command1_Click();
    EXPECT_TRUE(window.isVisible() && window.isMinimized()) << "hidden with no tray host";
    ASSERT_TRUE(host.Start());
    EXPECT_TRUE(WaitUntil([] { return trayIcons().size() == 1 && iconDocked(); }))
        << "the icon did not come back with the tray host";

    {
        MenuPlayer player([](QMenu&) { desktop::Run("xdotool", {"key", "Escape"}); });
        desktop::Click(iconCentre(), 3);
        ASSERT_TRUE(WaitUntil([&] { return !player.items.isEmpty(); })) << "no menu";
        EXPECT_EQ(player.items, (QStringList{"关于软件(&A)", "", "退出软件(&E)"}));
        EXPECT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() == nullptr; }));
        EXPECT_EQ(platform::forms::Count(), 2) << "Esc closes the menu and does nothing";
        EXPECT_EQ(quits, 0);
    }

    const WId lastIcon = dockedIconWindow();
    MenuPlayer player(
        [](QMenu& menu) { desktop::Click(itemCentre(menu, QStringLiteral("退出软件(&E)")), 1); });
    desktop::Click(iconCentre(), 3);
    EXPECT_TRUE(WaitUntil([&] { return quits == 1; })) << "the exit item did not end the program";
    EXPECT_EQ(platform::forms::Count(), 0);
    EXPECT_TRUE(WaitUntil([&] { return trayIcons().isEmpty() && !desktop::IsDocked(lastIcon); }))
        << "the icon stayed in the tray";

    if (platform::forms::Count() > 0) Module::UnloadAllForms();
    platform::forms::SetQuitHandler(oldQuit);
}

TEST(TrayOnTheDesktop, MenuOpensOnTheReleaseAndAlsoUnderThePrompt) {
    const auto oldQuit = platform::forms::SetQuitHandler([] {});
    desktop::TrayHost host;
    ASSERT_TRUE(host.Start()) << "trayer did not take the tray";
    Frmmain& window = platform::forms::Default<Frmmain>();
    window.Show();
    ASSERT_TRUE(WaitUntil(iconDocked)) << "no icon in the tray with the main window";

    // Pressed, the button opens nothing yet: a drag onto an item and a
    // release there must not choose it.
    desktop::Run("xdotool", {"mousemove", QString::number(iconCentre().x()),
                             QString::number(iconCentre().y())});
    WaitUntil([] { return false; }, 300);
    {
        MenuPlayer player([](QMenu& menu) { menu.close(); });
        button("mousedown", 3);
        WaitUntil([] { return false; }, 1500);
        EXPECT_TRUE(player.items.isEmpty()) << "the menu opened on the press";
        button("mouseup", 3);
        EXPECT_TRUE(WaitUntil([&] { return !player.items.isEmpty(); }))
            << "the release did not open the menu";
        EXPECT_TRUE(WaitUntil([] { return !menuOpen(); }));
    }

    // The members-only prompt blocks the main window, not its tray icon.
    QStringList itemsUnderPrompt;
    bool promptWasUp = false;
    QTimer::singleShot(0, [&] {
        FrmTi* prompt = nullptr;
        promptWasUp = WaitUntil([&] {
            for (platform::forms::Form* form : platform::forms::Loaded())
                if ((prompt = qobject_cast<FrmTi*>(form)) != nullptr) return prompt->isVisible();
            return false;
        });
        if (!promptWasUp) return;
        {
            MenuPlayer player([](QMenu& menu) { menu.close(); });
            desktop::Click(iconCentre(), 3);
            WaitUntil([&] { return !player.items.isEmpty(); });
            itemsUnderPrompt = player.items;
            WaitUntil([] { return !menuOpen(); });
        }
        prompt->Unload();
    });
    QMetaObject::invokeMethod(window.FlatCmd1[2], "Click");
    EXPECT_TRUE(promptWasUp) << "no prompt for a guest at fund flows";
    EXPECT_EQ(itemsUnderPrompt, (QStringList{"关于软件(&A)", "", "退出软件(&E)"}))
        << "the tray icon did not answer under the prompt";

    Module::UnloadAllForms();
    platform::forms::SetQuitHandler(oldQuit);
}

}  // namespace
