#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "desktop_fixture.h"
#include "program_fixture.h"
#include "support/row_print.h"

namespace {

using namespace e2e;
using desktop::WaitUntil;

// The user's steps from the running program to its quit; false (with a
// failure noted) when the program did not follow.
using Steps = bool (*)(Program&);

bool closeLogin(Program& program) {
    const WId login = program.WaitForWindow(kLoginTitle);
    EXPECT_NE(login, 0u) << "no login window";
    if (login == 0) return false;
    ClickIn(login, kLoginClose);
    return true;
}

bool closeMain(Program& program) {
    const WId main = EnterAsGuest(program);
    if (main == 0) return false;
    ClickIn(main, kMainClose);
    return true;
}

// The match list's header shows an empty caption right of its last column,
// not the window's skin behind it.
bool lookUpThenCloseMain(Program& program) {
    const WId main = EnterAsGuest(program);
    if (main == 0) return false;
    const QRgb before = PixelIn(main, kMainHeaderEnd);
    ClickIn(main, kMainCodeBox);
    PressKey(main, QStringLiteral("ctrl+a"));
    desktop::Run("xdotool", {"key", "6"});
    QRgb end = before;
    QRgb caption = before;
    EXPECT_TRUE(WaitUntil([&] {
        end = PixelIn(main, kMainHeaderEnd);
        caption = PixelIn(main, kMainHeaderFirst);
        return end != before && end == caption;
    })) << "header end #"
        << std::hex << end << ", caption #" << caption;
    ClickIn(main, kMainClose);
    return true;
}

bool logOutThenCloseLogin(Program& program) {
    const WId main = EnterAsGuest(program);
    if (main == 0) return false;
    ClickIn(main, kMainLogOut);
    EXPECT_TRUE(WaitUntil([&] { return program.Windows(kMainTitle).isEmpty(); }))
        << "the log-out left the main window";
    return closeLogin(program);
}

// The program's icon in the tray host's panel.
WId dockedIcon(Program& program) {
    WId icon = 0;
    WaitUntil([&] {
        for (const WId window : program.ViewableWindows())
            if (desktop::IsDocked(window)) icon = window;
        return icon != 0;
    });
    return icon;
}

// The program's popup menu once it shows: a window that was not there
// before and is no tool tip.
QRect shownMenu(Program& program, const QList<WId>& before) {
    QRect menu;
    WaitUntil([&] {
        for (const WId window : program.ViewableWindows())
            if (!before.contains(window) && !WindowTypes(window).contains("TOOLTIP"))
                menu = desktop::ScreenRect(window);
        return menu.isValid();
    });
    return menu;
}

// Opens the tray menu with the right button on the icon; its place on the
// screen, or an invalid rectangle (with a failure noted) when none opened.
QRect openTrayMenu(Program& program) {
    const WId icon = dockedIcon(program);
    EXPECT_NE(icon, 0u) << "no icon in the tray";
    if (icon == 0) return {};
    const QList<WId> before = program.ViewableWindows();
    // Pressed and released apart, so that a menu opened on either works.
    const QPoint centre = desktop::ScreenRect(icon).center();
    desktop::Run("xdotool",
                 {"mousemove", QString::number(centre.x()), QString::number(centre.y())});
    WaitUntil([] { return false; }, 300);
    desktop::Run("xdotool", {"mousedown", "3"});
    WaitUntil([] { return false; }, 150);
    desktop::Run("xdotool", {"mouseup", "3"});
    const QRect menu = shownMenu(program, before);
    EXPECT_TRUE(menu.isValid()) << "no tray menu";
    return menu;
}

bool exitFromTrayMenu(Program& program) {
    if (EnterAsGuest(program) == 0) return false;
    const QRect menu = openTrayMenu(program);
    if (!menu.isValid()) return false;
    // The exit item is the menu's last: its middle lies a quarter of the
    // height of both items, separator and margins above the bottom edge.
    desktop::Click({menu.center().x(), menu.bottom() - menu.height() / 4}, 1);
    return true;
}

// The tray menu, once opened, stays loaded (hidden) until the quit: a close
// by the window manager must still end the program.
bool trayMenuThenWindowManagerClose(Program& program) {
    const WId main = EnterAsGuest(program);
    if (main == 0 || !openTrayMenu(program).isValid()) return false;
    desktop::Run("xdotool", {"key", "Escape"});
    PressKey(main, QStringLiteral("alt+F4"));
    return true;
}

bool trayMenuLogOutThenWindowManagerClose(Program& program) {
    const WId main = EnterAsGuest(program);
    if (main == 0 || !openTrayMenu(program).isValid()) return false;
    desktop::Run("xdotool", {"key", "Escape"});
    ClickIn(main, kMainLogOut);
    const WId login = program.WaitForWindow(kLoginTitle);
    EXPECT_NE(login, 0u) << "the log-out showed no login window";
    if (login == 0) return false;
    PressKey(login, QStringLiteral("alt+F4"));
    return true;
}

// The program ends by itself with status 0, and no Qt warning on the way.
void expectCleanEnd(Program& program) {
    const Ending ending = program.WaitForEnd();
    EXPECT_TRUE(ending.Clean()) << ending.Describe() << "\n" << qPrintable(program.Errors());
    EXPECT_EQ(program.QtWarnings(), QStringList());
}

struct WayOut {
    const char* name;
    Steps steps;
};

using support::PrintTo;

class ProgramExit : public ::testing::TestWithParam<WayOut> {};

TEST_P(ProgramExit, TheUsersQuitEndsTheProgramWithStatusZeroAndNoWarning) {
    desktop::TrayHost tray;
    ASSERT_TRUE(tray.Start()) << "trayer did not take the tray";
    Program program;
    ASSERT_TRUE(program.StartServers()) << qPrintable(program.ServersError());
    ASSERT_TRUE(program.Start());

    ASSERT_TRUE(GetParam().steps(program));
    expectCleanEnd(program);
}

const WayOut kWaysOut[] = {
    {"login window close", closeLogin},
    {"main window close", closeMain},
    {"lookup, then main window close", lookUpThenCloseMain},
    {"tray menu exit", exitFromTrayMenu},
    {"log-out, then login window close", logOutThenCloseLogin},
    {"tray menu, then window manager close", trayMenuThenWindowManagerClose},
    {"tray menu, log-out, then window manager close", trayMenuLogOutThenWindowManagerClose},
};

INSTANTIATE_TEST_SUITE_P(Table, ProgramExit, ::testing::ValuesIn(kWaysOut));

// Data.dat in a state that the start-up refuses.
struct BadData {
    const char* name;
    void (*prepare)(Program&);
};

void emptyFile(Program& program) {
    ASSERT_TRUE(program.PutFile(QStringLiteral("Data.dat"), {}));
}

void notADatabase(Program& program) {
    ASSERT_TRUE(program.PutFile(QStringLiteral("Data.dat"), "this is no database\r\n\x01\x02\xff"));
}

void withoutItsTable(Program& program) {
    const QString path = program.FilePath(QStringLiteral("Data.dat"));
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("create table other (x text)")));
    }
    QSqlDatabase::removeDatabase(path);
}

// Root reads every file; a folder in its place cannot be read as one.
void unreadable(Program& program) {
    const QString path = program.FilePath(QStringLiteral("Data.dat"));
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
}

class ProgramStartFailure : public ::testing::TestWithParam<BadData> {};

TEST_P(ProgramStartFailure, TheErrorBoxIsTheLastThingAndTheProgramEndsWithoutACrash) {
    Program program;
    GetParam().prepare(program);
    ASSERT_TRUE(program.Start());

    const WId box = program.WaitForWindow(QStringLiteral("VB 运行时错误"));
    ASSERT_NE(box, 0u) << "no error box";
    EXPECT_TRUE(program.Windows(kLoginTitle).isEmpty());
    PressKey(box, QStringLiteral("Return"));

    expectCleanEnd(program);
}

const BadData kBadData[] = {
    {"empty", emptyFile},
    {"not a database", notADatabase},
    {"without its table", withoutItsTable},
    {"unreadable", unreadable},
};

INSTANTIATE_TEST_SUITE_P(Table, ProgramStartFailure, ::testing::ValuesIn(kBadData));

}  // namespace
