#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QHash>

#include "desktop_fixture.h"
#include "program_fixture.h"
#include "tests/app/standin_fixture.h"

namespace {

using namespace e2e;
using desktop::WaitUntil;

// The renderer processes of the program: the children of its browser
// engine's zygote, so its grandchildren.
QList<qint64> renderersOf(qint64 program) {
    QHash<qint64, qint64> parentOf;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toLongLong() == 0 || !stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1) parentOf.insert(entry.toLongLong(), fields[1].toLongLong());
    }
    QList<qint64> renderers;
    for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it)
        if (parentOf.value(it.value()) == program) renderers.append(it.key());
    return renderers;
}

// True when each path was served at least `times` times.
bool servedEach(const Standin& servers, const QStringList& paths, int times) {
    QStringList served;
    for (const LoggedRequest& request : servers.Requests()) served.append(request.Path());
    for (const QString& path : paths)
        if (served.count(path) < times) return false;
    return true;
}

TEST(ProgramPanes, KilledRendererLeavesNoPaneBlank) {
    Program program;
    ASSERT_TRUE(program.StartServers()) << qPrintable(program.ServersError());
    ASSERT_TRUE(program.Start());
    const WId main = EnterAsGuest(program);
    ASSERT_NE(main, 0u);
    const QStringList panes = {"/velmora/Ads.html", "/zs/zs.asp", "/new/ggpc/ggts/000001.shtml"};
    ASSERT_TRUE(WaitUntil([&] { return servedEach(program.Servers(), panes, 1); }, 30000));

    QList<qint64> renderers;
    ASSERT_TRUE(WaitUntil([&] { return !(renderers = renderersOf(program.Pid())).isEmpty(); }));
    for (const qint64 renderer : renderers) ::kill(static_cast<pid_t>(renderer), SIGKILL);
    EXPECT_TRUE(WaitUntil([&] { return servedEach(program.Servers(), panes, 2); }, 30000));
    EXPECT_FALSE(servedEach(program.Servers(), {"/favicon.ico"}, 1));

    ClickIn(main, kMainClose);
    const Ending ending = program.WaitForEnd();
    EXPECT_TRUE(ending.Clean()) << ending.Describe() << "\n" << qPrintable(program.Errors());
    EXPECT_EQ(program.QtWarnings(), QStringList());
}

}  // namespace
