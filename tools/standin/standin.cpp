#include "standin.h"

#include <pthread.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "accounts.h"
#include "evaluation_pages.h"
#include "index_page.h"
#include "member_server.h"
#include "request_log.h"
#include "server_setup.h"
#include "stock_names.h"
#include "stop_flag.h"

namespace {

const char* const kHost = "127.0.0.1";

struct Sites {
    Accounts accounts;
    StockNames names;
    RequestLog log;
    StopFlag stop;
    httplib::Server member, page, index;
    int ports[3] = {};
};

int fail(const QString& message) {
    std::fputs(message.toUtf8().append('\n').constData(), stderr);
    return 1;
}

QString base(int port) {
    return QStringLiteral("http://%1:%2").arg(QLatin1String(kHost)).arg(port);
}

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

// The reason the data cannot be loaded, or an empty string.
QString load(const Options& options, Sites& sites) {
    sites.accounts = LoadAccounts(options.accountsPath);
    if (!sites.accounts.error.isEmpty()) return sites.accounts.error;
    sites.names = LoadStockNames(options.dataPath);
    if (!sites.names.error.isEmpty()) return sites.names.error;
    if (!options.logPath.isEmpty() && !sites.log.Open(options.logPath.toStdString()))
        return QStringLiteral("无法打开请求日志 %1").arg(options.logPath);
    return {};
}

// The port bound (any free one for 0), or -1.
int bindPort(httplib::Server& server, int port) {
    if (port == 0) return server.bind_to_any_port(kHost);
    return server.bind_to_port(kHost, port) ? port : -1;
}

// The reason a port cannot be bound, or an empty string.
QString bindAll(const Options& options, Sites& sites) {
    httplib::Server* servers[] = {&sites.member, &sites.page, &sites.index};
    const int requested[] = {options.memberPort, options.pagePort, options.indexPort};
    for (int i = 0; i < 3; ++i) {
        PrepareServer(*servers[i], sites.log);
        sites.ports[i] = bindPort(*servers[i], requested[i]);
        if (sites.ports[i] < 0)
            return QStringLiteral("无法在 %1:%2 上监听（端口可能已被占用）")
                .arg(QLatin1String(kHost))
                .arg(requested[i]);
    }
    return {};
}

void addRoutes(const Options& options, Sites& sites) {
    const QString domain =
        options.siteDomain.isEmpty()
            ? QStringLiteral("%1:%2").arg(QLatin1String(kHost)).arg(sites.ports[1])
            : options.siteDomain;
    AddMemberRoutes(sites.member, sites.accounts, sites.stop);
    AddPageRoutes(sites.page, sites.names);
    AddIndexRoutes(sites.index, domain);
}

void listenAll(Sites& sites) {
    // The bound sockets already queue connections, so READY may come first.
    for (httplib::Server* server : {&sites.member, &sites.page, &sites.index})
        std::thread([server] {
            // A listener that ends on its own takes the whole stand-in down.
            if (!server->listen_after_bind()) kill(getpid(), SIGTERM);
        }).detach();
    const QString ready =
        QStringLiteral("READY member=%1/velmora/ page=%2 index=%3\n")
            .arg(base(sites.ports[0]), base(sites.ports[1]), base(sites.ports[2]));
    std::fputs(ready.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

[[noreturn]] void stopAll(Sites& sites) {
    sites.stop.Set();
    for (httplib::Server* server : {&sites.member, &sites.page, &sites.index}) server->stop();
    // Idle keep-alive connections would hold a graceful end for seconds; the
    // log is closed under its lock, so no line is cut, and the process ends.
    sites.log.Close();
    std::_Exit(0);
}

}  // namespace

int RunStandin(const Options& options) {
    // Every thread inherits the blocked stop signals; this one takes them.
    const sigset_t stopSet = stopSignals();
    pthread_sigmask(SIG_BLOCK, &stopSet, nullptr);
    Sites sites;
    QString error = load(options, sites);
    if (error.isEmpty()) error = bindAll(options, sites);
    if (!error.isEmpty()) return fail(error);
    addRoutes(options, sites);
    listenAll(sites);
    int received = 0;
    sigwait(&stopSet, &received);
    stopAll(sites);
}
