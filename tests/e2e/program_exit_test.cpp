#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "desktop_fixture.h"
#include "program_fixture.h"

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

bool exitFromTrayMenu(Program& program) {
    if (EnterAsGuest(program) == 0) return false;
    const WId icon = dockedIcon(program);
    EXPECT_NE(icon, 0u) << "no icon in the tray";
    if (icon == 0) return false;
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
    if (!menu.isValid()) return false;
    // The exit item is the menu's last: its middle lies a quarter of the
    // height of both items, separator and margins above the bottom edge.
    desktop::Click({menu.center().x(), menu.bottom() - menu.height() / 4}, 1);
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

void PrintTo(const WayOut& way, std::ostream* os) {
    *os << way.name;
}

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
    {"tray menu exit", exitFromTrayMenu},
    {"log-out, then login window close", logOutThenCloseLogin},
};

INSTANTIATE_TEST_SUITE_P(Table, ProgramExit, ::testing::ValuesIn(kWaysOut));

// Data.dat in a state that the start-up refuses.
struct BadData {
    const char* name;
    void (*prepare)(Program&);
};

void PrintTo(const BadData& data, std::ostream* os) {
    *os << data.name;
}

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
