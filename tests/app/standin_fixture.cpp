#include "tests/app/standin_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QUrl>

#include "platform/basic/ansi.h"

const char* const kStandinAccounts =
    "# user\tpassword\tstate\n"
    "demo\tdemo123\tactive\n"
    "newbie\tnewbie123\tinactive\n"
    "张三\tzhang123\tactive\n"
    "李四\t密码四\tactive\n"
    "amp\ta&b#c d\tactive\n"
    "plus\t1+1\tactive\n"
    "crlf\tcrlf123\tok-newline\n"
    "slow\tslow123\tdelay:3\n";

namespace {

const char* const kVariables[] = {"MARLQUIN_MEMBER_URL", "MARLQUIN_PAGE_HOST",
                                  "MARLQUIN_INDEX_HOST", "MARLQUIN_SITE_DOMAIN",
                                  "MARLQUIN_HOME_PAGE"};

// ctest names the build folder; a test program run by hand lies in its
// "tests" folder.
QString buildDir() {
    const QString named = qEnvironmentVariable("MARLQUIN_BUILD_DIR");
    if (!named.isEmpty()) return named;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

int portOf(const QString& url) {
    return QUrl(url).port();
}

// "key=value" of the ready line.
QString readyValue(const QString& line, const QString& key) {
    for (const QString& part : line.split(u' ', Qt::SkipEmptyParts))
        if (part.startsWith(key + u'=')) return part.mid(key.size() + 1);
    return {};
}

bool sendAll(int fd, const QByteArray& data) {
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += n;
    }
    return true;
}

// True once the headers and as many body bytes as Content-Length says are in.
bool complete(const QByteArray& raw) {
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (end < 0) return false;
    for (const QByteArray& line : raw.left(end).split('\n')) {
        if (line.toLower().startsWith("content-length:"))
            return raw.size() - end - 4 >= line.mid(15).trimmed().toLongLong();
    }
    return false;
}

// Reads until the response is complete or the peer closes; false on time-out.
bool readAll(int fd, QByteArray& out, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    char buffer[4096];
    while (!complete(out)) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(deadline.remainingTime()));
        if (ready <= 0) return false;
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n < 0) return !out.isEmpty();  // a reset after the answer still counts
        if (n == 0) return true;
        out.append(buffer, n);
    }
    return true;
}

RawResponse parseResponse(const QByteArray& raw) {
    RawResponse response;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (end < 0) return response;
    response.headers = raw.left(end);
    response.body = raw.mid(end + 4);
    const QList<QByteArray> statusLine = response.headers.split('\n').first().split(' ');
    response.status = statusLine.size() > 1 ? statusLine[1].toInt() : 0;
    response.ok = response.status != 0;
    return response;
}

}  // namespace

QString LoggedRequest::Path() const {
    const qsizetype mark = target.indexOf('?');
    return QString::fromUtf8(
        QByteArray::fromPercentEncoding(mark < 0 ? target : target.left(mark)));
}

QString LoggedRequest::QueryValue(const QString& key) const {
    const qsizetype mark = target.indexOf('?');
    if (mark < 0) return {};
    for (QByteArray pair : target.mid(mark + 1).split('&')) {
        pair.replace('+', ' ');
        const qsizetype equals = pair.indexOf('=');
        const QByteArray name = QByteArray::fromPercentEncoding(pair.left(equals));
        if (equals >= 0 && platform::basic::FromAnsi(name) == key)
            return platform::basic::FromAnsi(QByteArray::fromPercentEncoding(pair.mid(equals + 1)));
    }
    return {};
}

Standin::~Standin() {
    Stop();
}

QString Standin::ProgramPath() {
    return buildDir() + QStringLiteral("/tools/standin/marlquin-standin");
}

QString Standin::DataPath() {
    return buildDir() + QStringLiteral("/Data.dat");
}

QString Standin::SiteDomain() const {
    return QUrl(pageHost_).authority();
}
int Standin::MemberPort() const {
    return portOf(memberUrl_);
}
int Standin::PagePort() const {
    return portOf(pageHost_);
}
int Standin::IndexPort() const {
    return portOf(indexHost_);
}

bool Standin::fail(const QString& why) {
    error_ = why;
    if (process_) {
        process_->kill();
        process_->waitForFinished(5000);
        process_.reset();
    }
    return false;
}

bool Standin::Start(const QString& accounts, const QStringList& extraArguments) {
    Stop();
    dir_ = std::make_unique<QTemporaryDir>();
    const QString accountsPath = dir_->filePath(QStringLiteral("accounts.txt"));
    logPath_ = dir_->filePath(QStringLiteral("requests.log"));
    QFile file(accountsPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(accounts.toUtf8()) < 0)
        return fail(QStringLiteral("cannot write ") + accountsPath);
    file.close();

    process_ = std::make_unique<QProcess>();
    QStringList arguments = {QStringLiteral("--accounts"),
                             accountsPath,
                             QStringLiteral("--log"),
                             logPath_,
                             QStringLiteral("--data"),
                             DataPath(),
                             QStringLiteral("--exit-with-parent")};
    process_->start(ProgramPath(), arguments + extraArguments);
    if (!process_->waitForStarted(10000))
        return fail(ProgramPath() + QStringLiteral(": ") + process_->errorString());

    QDeadlineTimer deadline(15000);
    QByteArray output;
    while (!output.contains('\n')) {
        if (deadline.hasExpired()) return fail(QStringLiteral("no ready line"));
        process_->waitForReadyRead(100);
        output += process_->readAllStandardOutput();
        if (!output.contains('\n') && process_->state() == QProcess::NotRunning)
            return fail(QString::fromUtf8(process_->readAllStandardError()));
    }
    const QString line = QString::fromUtf8(output.left(output.indexOf('\n')));
    if (!line.startsWith(QStringLiteral("READY ")))
        return fail(QStringLiteral("bad line: ") + line);
    memberUrl_ = readyValue(line, QStringLiteral("member"));
    pageHost_ = readyValue(line, QStringLiteral("page"));
    indexHost_ = readyValue(line, QStringLiteral("index"));
    setEnvironment();
    return true;
}

void Standin::Stop() {
    if (process_) {
        process_->terminate();
        if (!process_->waitForFinished(5000)) {
            process_->kill();
            process_->waitForFinished(5000);
        }
        process_.reset();
        restoreEnvironment();
    }
}

void Standin::setEnvironment() {
    savedEnvironment_.clear();
    for (const char* name : kVariables)
        savedEnvironment_.append({name, qEnvironmentVariableIsSet(name)
                                            ? std::optional<QByteArray>(qgetenv(name))
                                            : std::nullopt});
    qputenv("MARLQUIN_MEMBER_URL", memberUrl_.toUtf8());
    qputenv("MARLQUIN_PAGE_HOST", pageHost_.toUtf8());
    qputenv("MARLQUIN_INDEX_HOST", indexHost_.toUtf8());
    qputenv("MARLQUIN_SITE_DOMAIN", SiteDomain().toUtf8());
    qputenv("MARLQUIN_HOME_PAGE", QUrl(memberUrl_).resolved(QUrl(QStringLiteral("/"))).toEncoded());
}

void Standin::restoreEnvironment() {
    for (const auto& [name, value] : savedEnvironment_) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
    savedEnvironment_.clear();
}

QList<LoggedRequest> Standin::Requests() const {
    QList<LoggedRequest> requests;
    QFile file(logPath_);
    if (!file.open(QIODevice::ReadOnly)) return requests;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 3) continue;
        requests.append({QString::fromLatin1(fields[0]), fields[1], fields[2].toLongLong()});
    }
    return requests;
}

void Standin::ClearRequests() {
    QFile file(logPath_);
    file.resize(0);
}

RawResponse RawRequest(int port, const QByteArray& request, int timeoutMs) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return {};
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QByteArray raw;
    const bool done = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                      sendAll(fd, request) && readAll(fd, raw, timeoutMs);
    ::close(fd);
    return done ? parseResponse(raw) : RawResponse{};
}

RawResponse RawGet(int port, const QByteArray& target, int timeoutMs) {
    return RawRequest(port, "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n", timeoutMs);
}

QByteArray GbkPercent(const QString& text) {
    return platform::basic::ToAnsi(text).toPercentEncoding();
}
