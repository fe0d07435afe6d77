#include "tray_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "app/Module/Module.h"
#include "platform/windows/window_handles.h"
#include "platform/windows/window_proc.h"

using namespace platform::windows;

bool RecordingTray::NotifyIcon(std::uint32_t message,
                               const platform::shell::NotifyIconDataA& data) {
    calls.push_back({message, data});
    return true;
}

void MainWindowTrayTest::SetUp() {
    passedOn.clear();
    oldTray_ = platform::shell::SetTrayShell(&tray);
    oldPopup_ = SetPopupMenuHandler([this](QMenu& menu, const QPoint&) {
        QStringList items;
        for (const QAction* action : menu.actions()) items << action->text();
        popups.push_back(items);
        if (onPopup) onPopup(menu);
    });
    oldOpen_ = platform::shell::SetOpenUrlHandler([this](const QString& url) {
        opened << url;
        return true;
    });
    oldQuit_ = platform::forms::SetQuitHandler([this] { ++quits; });
}

void MainWindowTrayTest::TearDown() {
    Module::UnloadAllForms();
    Settle();
    platform::forms::SetQuitHandler(oldQuit_);
    platform::shell::SetOpenUrlHandler(oldOpen_);
    SetPopupMenuHandler(oldPopup_);
    platform::shell::SetTrayShell(oldTray_);
}

Frmmain& MainWindowTrayTest::LoadMain() {
    main = &platform::forms::Default<Frmmain>();
    hWnd = HandleOf(main);
    SetWindowLongA(hWnd, GWL_WNDPROC, Previous);
    main->Show();
    return *main;
}

std::int32_t MainWindowTrayTest::Send(std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam) {
    return SendMessageA(hWnd, uMsg, wParam, lParam);
}

void MainWindowTrayTest::Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

LResult MainWindowTrayTest::Previous(Hwnd hWnd, std::int32_t uMsg, std::int32_t wParam,
                                     std::int32_t lParam) {
    passedOn.push_back({hWnd, uMsg, wParam, lParam});
    return DefaultWindowProc(hWnd, uMsg, wParam, lParam);
}
