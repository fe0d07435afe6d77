// marlquin-standin: the member server and the evaluation site's page and
// index hosts on 127.0.0.1, each on its own port. Prints one line
// "READY member=URL page=URL index=URL" once all three listen, and runs until
// SIGTERM or SIGINT (or, with --exit-with-parent, until its parent ends).
#include <sys/prctl.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>

#include <QCoreApplication>

#include "options.h"
#include "standin.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the SQLite driver is a plugin
    const ParsedOptions parsed = ParseOptions(app.arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        std::fputs(kUsage, stderr);
        std::fputs(parsed.error.toUtf8().append('\n').constData(), stderr);
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (parsed.options.exitWithParent) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() == 1) return 0;
    }
    return RunStandin(parsed.options);
}
