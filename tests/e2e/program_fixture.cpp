#include "program_fixture.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScreen>

#include "desktop_fixture.h"
#include "tests/app/standin_fixture.h"

namespace e2e {
namespace {

// Qt's messages in the child carry this mark, so that they can be told apart
// from what the browser engine itself prints.
const QString kMessageMark = QStringLiteral("[qt-message]");

QString buildDir() {
    return qEnvironmentVariable("MARLQUIN_BUILD_DIR");
}

QString hexId(WId window) {
    return QStringLiteral("0x") + QString::number(window, 16);
}

// The numbers of an X property such as "NAME(CARDINAL) = 0, 0, 1280, 800".
QList<int> cardinals(const QStringList& xpropArguments) {
    const QString line = desktop::Run("xprop", xpropArguments);
    QList<int> numbers;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return numbers;
    for (const QString& part : line.mid(equals + 1).split(u',')) {
        bool ok = false;
        const int number = part.trimmed().toInt(&ok);
        if (ok) numbers.append(number);
    }
    return numbers;
}

// A title as a whole-name pattern for xdotool's search.
QString namePattern(const QString& title) {
    static const QString special = QStringLiteral(".[]()*+?{}|^$\\");
    QString pattern = QStringLiteral("^");
    for (const QChar c : title) {
        if (special.contains(c)) pattern += u'\\';
        pattern += c;
    }
    return pattern + u'$';
}

QList<WId> windowIds(const QString& listing) {
    QList<WId> ids;
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts)) ids.append(line.toULong());
    return ids;
}

// A hard link where the file system allows one: the program is large.
bool linkOrCopy(const QString& from, const QString& to) {
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 ||
           QFile::copy(from, to);
}

}  // namespace

std::string Ending::Describe() const {
    if (!finished) return "still running";
    return (signalled ? "ended by signal " : "exit status ") + std::to_string(code);
}

Program::Program() {
    const QString build = buildDir();
    linkOrCopy(build + QStringLiteral("/marlquin"), FilePath(QStringLiteral("marlquin")));
    QFile::copy(build + QStringLiteral("/Data.dat"), FilePath(QStringLiteral("Data.dat")));
}

Program::~Program() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString Program::FilePath(const QString& name) const {
    return folder_.filePath(name);
}

bool Program::PutFile(const QString& name, const QByteArray& bytes) {
    const QString path = FilePath(name);
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool Program::StartServers() {
    servers_ = std::make_unique<Standin>();
    return servers_->Start();
}

QString Program::ServersError() const {
    return servers_ ? servers_->Error() : QString();
}

void Program::SetEnvironment(const QString& name, const QString& value) {
    environment_.insert(name, value);
}

QList<qint64> Program::LoginRequests() const {
    QList<qint64> times;
    if (!servers_) return times;
    for (const LoggedRequest& request : servers_->Requests())
        if (request.Path().endsWith(QStringLiteral("/login.asp"))) times.append(request.epochMs);
    return times;
}

bool Program::Start() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(environment_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"),
                       kMessageMark + QStringLiteral(" %{type} %{category}: %{message}"));
    // A desktop session has its own runtime folder; without one Qt warns.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(folder_.path());
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start(FilePath(QStringLiteral("marlquin")), {});
    return process_.waitForStarted(10000);
}

QList<WId> Program::Windows(const QString& title) const {
    return windowIds(desktop::Run("xdotool", {"search", "--all", "--pid", QString::number(Pid()),
                                              "--name", namePattern(title)}));
}

QList<WId> Program::ViewableWindows() const {
    return windowIds(desktop::Run(
        "xdotool", {"search", "--all", "--onlyvisible", "--pid", QString::number(Pid())}));
}

WId Program::WaitForWindow(const QString& title, int timeoutMs) const {
    WId found = 0;
    desktop::WaitUntil(
        [&] {
            for (const WId window : Windows(title))
                if (desktop::IsViewable(window)) found = window;
            return found != 0;
        },
        timeoutMs);
    return found;
}

Ending Program::WaitForEnd(int timeoutMs) {
    Ending ending;
    ending.finished =
        process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
    if (!ending.finished) {
        process_.kill();
        process_.waitForFinished(5000);
        return ending;
    }
    ending.signalled = process_.exitStatus() == QProcess::CrashExit;
    ending.code = process_.exitCode();
    return ending;
}

QString Program::Errors() {
    errors_ += process_.readAllStandardError();
    return QString::fromLocal8Bit(errors_);
}

QStringList Program::QtWarnings() {
    static const QRegularExpression warning(QRegularExpression::escape(kMessageMark) +
                                            QStringLiteral(" (warning|critical|fatal) "));
    QStringList lines;
    for (const QString& line : Errors().split(u'\n'))
        if (warning.match(line).hasMatch()) lines.append(line);
    return lines;
}

WId EnterAsGuest(Program& program) {
    const WId login = program.WaitForWindow(kLoginTitle);
    EXPECT_NE(login, 0u) << "no login window";
    if (login == 0) return 0;
    ClickIn(login, kLoginGuest);
    const WId main = program.WaitForWindow(kMainTitle);
    EXPECT_NE(main, 0u) << "the guest entry did not open the main window";
    return main;
}

void ClickIn(WId window, const QPoint& at, int button) {
    desktop::Click(desktop::ScreenRect(window).topLeft() + at, button);
}

QRgb PixelIn(WId window, const QPoint& at) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(window, at.x(), at.y(), 1, 1)
        .toImage()
        .pixel(0, 0);
}

void PressKey(WId window, const QString& key) {
    desktop::Run("xdotool", {"windowactivate", "--sync", QString::number(window)});
    desktop::Run("xdotool", {"key", key});
}

QString WindowTypes(WId window) {
    return desktop::Run("xprop", {"-id", hexId(window), "_NET_WM_WINDOW_TYPE"});
}

bool IsManaged(WId window) {
    const QString clients = desktop::Run("xprop", {"-root", "_NET_CLIENT_LIST"});
    return clients.contains(
        QRegularExpression(QStringLiteral("\\b") + hexId(window) + QStringLiteral("\\b")));
}

QRect WorkArea() {
    const QList<int> area = cardinals({"-root", "_NET_WORKAREA"});
    if (area.size() < 4) return {};
    return {area[0], area[1], area[2], area[3]};
}

QRect FrameRect(WId window) {
    const QList<int> extents = cardinals({"-id", hexId(window), "_NET_FRAME_EXTENTS"});
    const QRect client = desktop::ScreenRect(window);
    if (extents.size() < 4) return client;
    return client.adjusted(-extents[0], -extents[2], extents[1], extents[3]);
}

}  // namespace e2e
