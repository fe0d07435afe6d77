// The main window's start: the time from the guest entry to the main pane's
// first complete page, and the memory of the whole process tree (program and
// browser-engine processes) once the three panes have their pages. Run with
// QT_QPA_PLATFORM=offscreen and, as root, QTWEBENGINE_DISABLE_SANDBOX=1; against
// the stand-in servers, with the MARLQUIN_* addresses of their READY line.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "app/Frmmain/Frmmain.h"
#include "app/Module/Globals.h"
#include "app/Module/Module.h"
#include "controls/register_kinds.h"
#include "platform/basic/app_folder.h"
#include "platform/browser/browser_pane.h"
#include "platform/browser/register_browser.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/forms_collection.h"
#include "platform/listview/register_list_view.h"
#include "platform/tabstrip/register_tab_strip.h"
#include "tests/platform/page_server_fixture.h"

namespace {

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 60000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Pages of about the size of the evaluation site's, served from this machine; the
// member server is another site than the evaluation site, as in use. When the
// addresses are set already (the stand-in servers), those are used instead.
void servePages() {
    if (qEnvironmentVariableIsSet("MARLQUIN_PAGE_HOST")) return;
    static PageServer* const pages = [] {
        auto* created = new PageServer;
        QByteArray table = "<table>";
        for (int row = 0; row < 200; ++row)
            table += "<tr><td>项目" + QByteArray::number(row) + "</td><td>" +
                     QByteArray::number(row * 3.7) + "</td><td><a href=\"/x" +
                     QByteArray::number(row) + "\">详细</a></td></tr>";
        table += "</table>";
        created->page("/new/ggpc/ggts/000001.shtml", "<html><body>" + table + "</body></html>");
        created->page("/zs/zs.asp",
                      "<html><body><div id=\"YourId\">1</div>" + table + "</body></html>");
        created->page("/velmora/Ads.html", "<html><body>" + table + "</body></html>");
        qputenv("MARLQUIN_PAGE_HOST", created->base("pages.site.localhost").toUtf8());
        qputenv("MARLQUIN_INDEX_HOST", created->base("index.site.localhost").toUtf8());
        qputenv("MARLQUIN_SITE_DOMAIN", "site.localhost");
        qputenv("MARLQUIN_MEMBER_URL", (created->base() + "/velmora/").toUtf8());
        return created;
    }();
    Q_UNUSED(pages);
}

void prepare() {
    static QTemporaryDir folder;
    platform::basic::SetApplicationFolder(folder.path());
    platform::forms::SetQuitHandler([] {});
    platform::browser::RegisterWebBrowserKind();
    platform::tabstrip::RegisterTabStripKind();
    platform::listview::RegisterListViewKind();
    controls::RegisterKinds();
    servePages();
}

// What the guest entry does for the main window: no user, then the window shown.
Frmmain& enterAsGuest() {
    CurrentUser.clear();
    Frmmain& window = platform::forms::Default<Frmmain>();
    window.Show();
    return window;
}

void closeWindows() {
    Module::UnloadAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<int> processTree(int root) {
    QList<int> tree{root};
    for (qsizetype at = 0; at < tree.size(); ++at) {
        const QDir tasks(QStringLiteral("/proc/%1/task").arg(tree[at]));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile children(tasks.filePath(task + "/children"));
            if (!children.open(QIODevice::ReadOnly)) continue;
            for (const QByteArray& child : children.readAll().split(' '))
                if (!child.trimmed().isEmpty()) tree.append(child.trimmed().toInt());
        }
    }
    return tree;
}

// The sum of one field ("Rss:", "Pss:") of smaps_rollup over the tree, in MB.
double treeMemory(const QByteArray& field) {
    double kilobytes = 0;
    for (int pid : processTree(static_cast<int>(getpid()))) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : rollup.readAll().split('\n'))
            if (line.startsWith(field))
                kilobytes += line.mid(field.size()).trimmed().split(' ')[0].toDouble();
    }
    return kilobytes / 1024.0;
}

void BM_GuestEntryToFirstCompletePage(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        Frmmain& window = enterAsGuest();
        if (!waitUntil([&] { return window.PicLoad->isHidden(); })) {
            state.SkipWithError("the main pane did not complete its page");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        closeWindows();
    }
}
BENCHMARK(BM_GuestEntryToFirstCompletePage)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_ThreePanesLoadedMemory(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        Frmmain& window = enterAsGuest();
        const bool loaded = waitUntil([&] {
            return window.PicLoad->isHidden() && window.Web1->Document() != nullptr &&
                   window.Web3->Document() != nullptr;
        });
        if (!loaded) {
            state.SkipWithError("the panes did not load their pages");
            break;
        }
        // Let the renderers settle after their first paint.
        waitUntil([] { return false; }, 2000);
        state.counters["rss_tree_MB"] = treeMemory("Rss:");
        state.counters["pss_tree_MB"] = treeMemory("Pss:");
        state.counters["processes"] =
            static_cast<double>(processTree(static_cast<int>(getpid())).size());
        closeWindows();
    }
}
BENCHMARK(BM_ThreePanesLoadedMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
