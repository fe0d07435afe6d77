#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <string>

class Standin;

// The real marlquin executable run as a child process on the test's X display,
// from its start to its exit.
namespace e2e {

// How a run ended.
struct Ending {
    bool finished = false;   // false: still running when the wait ran out
    bool signalled = false;  // ended by a signal (a crash)
    int code = 0;            // the exit status, or the number of the signal
    bool Clean() const { return finished && !signalled && code == 0; }
    std::string Describe() const;
};

class Program {
public:
    // A folder of its own that holds the program (build/marlquin) and a copy
    // of build/Data.dat; the build folder is $MARLQUIN_BUILD_DIR.
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    QString FilePath(const QString& name) const;
    // Puts a file with these bytes into the folder, in place of what was there.
    bool PutFile(const QString& name, const QByteArray& bytes);

    // Starts the stand-in servers and points the program at them; without
    // them the program's pages and login go to hosts that do not exist.
    bool StartServers();
    // Sets a variable of the program's environment for its start.
    void SetEnvironment(const QString& name, const QString& value);
    // Why the servers did not start.
    QString ServersError() const;
    // The servers that StartServers started.
    const Standin& Servers() const { return *servers_; }
    // The login requests the member server has had, and when each came
    // (milliseconds since the epoch).
    QList<qint64> LoginRequests() const;
    // Starts the program on the display. Qt's messages reach its stderr in a
    // form that QtWarnings() recognises.
    bool Start();
    qint64 Pid() const { return process_.processId(); }

    // The program's windows with exactly this title, in any state.
    QList<WId> Windows(const QString& title) const;
    // Every window of the program that is viewable now.
    QList<WId> ViewableWindows() const;
    // The window with this title once it is mapped and viewable; 0 when none
    // is within the time.
    WId WaitForWindow(const QString& title, int timeoutMs = 20000) const;

    // Waits for the end of the program; ends it by force when it outlives
    // the wait.
    Ending WaitForEnd(int timeoutMs = 20000);
    // Everything the program wrote to stderr so far.
    QString Errors();
    // The lines of stderr that are Qt warnings, critical or fatal messages.
    QStringList QtWarnings();

private:
    QTemporaryDir folder_;
    QTemporaryDir runtimeDir_;
    std::unique_ptr<Standin> servers_;
    // Set over the environment as it is at the start, which holds the
    // servers' addresses once they run.
    QProcessEnvironment environment_;
    QProcess process_;
    QByteArray errors_;
};

// The program's window titles, and points of the windows' client areas
// (pixels) taken from their designer data.
inline const QString kLoginTitle = QStringLiteral("Marlquin-会员登录");
inline const QString kMainTitle = QStringLiteral("Marlquin2011");
inline constexpr QPoint kLoginClose(357, 9);
inline constexpr QPoint kLoginGuest(212, 156);
inline constexpr QPoint kLoginMember(316, 156);
inline constexpr QPoint kMainClose(772, 9);
inline constexpr QPoint kMainMinimise(713, 9);
inline constexpr QPoint kMainLogOut(740, 44);
inline constexpr QPoint kMainFundFlows(168, 45);
inline constexpr QPoint kMainCodeBox(500, 44);
// Two points of the match list's header row: in its first caption, and right
// of its last column.
inline constexpr QPoint kMainHeaderFirst(503, 59);
inline constexpr QPoint kMainHeaderEnd(689, 59);

// Enters the started program as a guest: the main window, or 0 (with a
// failure noted) when it did not open.
WId EnterAsGuest(Program& program);
// Clicks a point of the window's client area.
void ClickIn(WId window, const QPoint& at, int button = 1);
// The colour of a pixel of the window's client area as the screen shows it.
QRgb PixelIn(WId window, const QPoint& at);
// Gives the window the focus and presses a key (an xdotool key name).
void PressKey(WId window, const QString& key);
// The window's types as the window manager sees them (_NET_WM_WINDOW_TYPE).
QString WindowTypes(WId window);
// True when the window manager manages the window (it has a taskbar entry).
bool IsManaged(WId window);
// The area of the screen that windows may take (the work area).
QRect WorkArea();
// The window's frame on the screen: its client area and the frame that the
// window manager put around it.
QRect FrameRect(WId window);

}  // namespace e2e
