#pragma once

#include <QString>
#include <QStringList>

// Command line of marlquin-standin.
struct Options {
    int memberPort = 0;  // 0: any free port
    int pagePort = 0;
    int indexPort = 0;
    QString accountsPath = QStringLiteral(STANDIN_DEFAULT_ACCOUNTS);
    QString dataPath = QStringLiteral(STANDIN_DEFAULT_DATA);
    QString logPath;     // empty: no request log
    QString siteDomain;  // empty: the page host's "127.0.0.1:PORT"
    bool exitWithParent = false;
    bool help = false;
};

struct ParsedOptions {
    Options options;
    QString error;  // empty when the command line is sound
};

ParsedOptions ParseOptions(const QStringList& arguments);

extern const char* const kUsage;
