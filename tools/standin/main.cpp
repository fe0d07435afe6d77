// marlquin-standin: the member server and the evaluation site's page and
// index hosts on 127.0.0.1, each on its own port. Prints one line
// "READY member=URL page=URL index=URL" once all three listen, and runs until
// SIGTERM or SIGINT (or, with --exit-with-parent, until its parent ends).
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <QCoreApplication>

#include "accounts.h"
#include "evaluation_pages.h"
#include "html_page.h"
#include "index_page.h"
#include "member_server.h"
#include "options.h"
#include "request_log.h"
#include "stock_names.h"
#include "stop_flag.h"

namespace {

const char* const kHost = "127.0.0.1";

int fail(const QString& message) {
    std::fputs(message.toUtf8().append('\n').constData(), stderr);
    return 1;
}

// The port bound, or -1.
int bind(httplib::Server& server, int port) {
    if (port == 0) return server.bind_to_any_port(kHost);
    return server.bind_to_port(kHost, port) ? port : -1;
}

void prepare(httplib::Server& server, RequestLog& log) {
    // The library's default shares the port (SO_REUSEPORT), which would let a
    // second stand-in start on a busy port and take half its connections.
    server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    server.set_keep_alive_timeout(2);
    server.set_payload_max_length(64 * 1024);
    server.set_logger([&log](const httplib::Request& req, const httplib::Response&) {
        log.Append(req.method, req.target);
    });
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.status == 404)
            res.set_content(
                HtmlPage(QStringLiteral("找不到网页"), QStringLiteral("<h1>404 找不到网页</h1>")),
                kHtmlType);
    });
}

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

QString base(int port) {
    return QStringLiteral("http://%1:%2").arg(QLatin1String(kHost)).arg(port);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the SQLite driver is a plugin
    const ParsedOptions parsed = ParseOptions(app.arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        std::fputs(kUsage, stderr);
        return fail(parsed.error) + 1;
    }
    const Options& options = parsed.options;
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.exitWithParent) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() == 1) return 0;
    }
    // Every thread inherits the blocked stop signals; main takes them with sigwait.
    const sigset_t stopSet = stopSignals();
    pthread_sigmask(SIG_BLOCK, &stopSet, nullptr);

    const Accounts accounts = LoadAccounts(options.accountsPath);
    if (!accounts.error.isEmpty()) return fail(accounts.error);
    const StockNames names = LoadStockNames(options.dataPath);
    if (!names.error.isEmpty()) return fail(names.error);
    RequestLog log;
    if (!options.logPath.isEmpty() && !log.Open(options.logPath.toStdString()))
        return fail(QStringLiteral("无法打开请求日志 %1").arg(options.logPath));

    StopFlag stop;
    httplib::Server member, page, index;
    httplib::Server* servers[] = {&member, &page, &index};
    const int requested[] = {options.memberPort, options.pagePort, options.indexPort};
    int ports[3];
    for (int i = 0; i < 3; ++i) {
        prepare(*servers[i], log);
        ports[i] = bind(*servers[i], requested[i]);
        if (ports[i] < 0)
            return fail(QStringLiteral("无法在 %1:%2 上监听（端口可能已被占用）")
                            .arg(QLatin1String(kHost))
                            .arg(requested[i]));
    }
    const QString domain = options.siteDomain.isEmpty()
                               ? QStringLiteral("%1:%2").arg(QLatin1String(kHost)).arg(ports[1])
                               : options.siteDomain;
    AddMemberRoutes(member, accounts, stop);
    AddPageRoutes(page, names);
    AddIndexRoutes(index, domain);

    // The bound sockets already queue connections, so READY may come first.
    for (auto* server : servers)
        std::thread([server] {
            // A listener that ends on its own takes the whole stand-in down.
            if (!server->listen_after_bind()) kill(getpid(), SIGTERM);
        }).detach();
    const QString ready = QStringLiteral("READY member=%1/velmora/ page=%2 index=%3\n")
                              .arg(base(ports[0]), base(ports[1]), base(ports[2]));
    std::fputs(ready.toUtf8().constData(), stdout);
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSet, &received);
    stop.Set();
    for (auto* server : servers) server->stop();
    // Idle keep-alive connections would hold a graceful end for seconds; the
    // log is closed under its lock, so no line is cut, and the process ends.
    log.Close();
    std::_Exit(0);
}
