#pragma once

// Starts the stand-in servers (the member server and the evaluation site's
// page and index hosts) as a child process on free ports of 127.0.0.1 and
// points the program at them through the MARLQUIN_* environment variables.
//
// The binary is ${MARLQUIN_BUILD_DIR}/tools/standin/marlquin-standin and the
// stock names come from ${MARLQUIN_BUILD_DIR}/Data.dat (ctest sets
// MARLQUIN_BUILD_DIR; without it, the folder above the test program). Accounts are given as text,
// one a line: user <TAB> password <TAB> state (active, inactive, ok-newline, delay:N).

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// One request as the stand-in logged it.
struct LoggedRequest {
    QString method;
    QByteArray target;  // as sent: path and query, still percent-encoded
    qint64 epochMs = 0;

    QString Path() const;  // the target before "?", decoded as UTF-8
    // The first value of `key` in the query, decoded ("+" is a blank, then
    // "%XX") and read as GBK, the encoding the client sends.
    QString QueryValue(const QString& key) const;
};

// The accounts that the stand-in tests use.
extern const char* const kStandinAccounts;

class Standin {
public:
    Standin() = default;
    ~Standin();
    Standin(const Standin&) = delete;
    Standin& operator=(const Standin&) = delete;

    // Starts the stand-in with these accounts (and extra command-line
    // options) and waits for its ready line; then sets MARLQUIN_MEMBER_URL,
    // MARLQUIN_PAGE_HOST, MARLQUIN_INDEX_HOST, MARLQUIN_SITE_DOMAIN and
    // MARLQUIN_HOME_PAGE. False, with Error(), when it does not come up.
    bool Start(const QString& accounts = QString::fromUtf8(kStandinAccounts),
               const QStringList& extraArguments = {});
    // Ends the process and puts the environment back as it was.
    void Stop();

    QString MemberUrl() const { return memberUrl_; }  // ends in "/velmora/"
    QString PageHost() const { return pageHost_; }    // "http://127.0.0.1:PORT"
    QString IndexHost() const { return indexHost_; }
    QString SiteDomain() const;  // the page host's "127.0.0.1:PORT"
    int MemberPort() const;
    int PagePort() const;
    int IndexPort() const;
    QString Error() const { return error_; }

    // Every request served so far, in the order served.
    QList<LoggedRequest> Requests() const;
    void ClearRequests();

    static QString ProgramPath();
    static QString DataPath();

private:
    bool fail(const QString& why);
    void setEnvironment();
    void restoreEnvironment();

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> process_;
    QString memberUrl_, pageHost_, indexHost_, logPath_, error_;
    QList<QPair<QByteArray, std::optional<QByteArray>>> savedEnvironment_;
};

// A response read off the wire.
struct RawResponse {
    bool ok = false;  // a whole response arrived in time
    int status = 0;
    QByteArray headers;
    QByteArray body;
};

// Sends "GET target HTTP/1.0" byte for byte to 127.0.0.1:port and reads the
// response until it is complete, the server closes the connection or
// `timeoutMs` passes.
// Safe to call from any thread.
RawResponse RawGet(int port, const QByteArray& target, int timeoutMs = 5000);
// Sends `request` as it is (for malformed requests).
RawResponse RawRequest(int port, const QByteArray& request, int timeoutMs = 5000);

// The text as GBK bytes, percent-encoded (all but letters, digits and "-._~").
QByteArray GbkPercent(const QString& text);
