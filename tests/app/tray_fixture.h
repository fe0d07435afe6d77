#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <vector>

#include "app/Frmmain/Frmmain.h"
#include "platform/forms/forms_collection.h"
#include "platform/shell/open_url.h"
#include "platform/shell/tray.h"
#include "platform/windows/popup_menu.h"

class QMenu;

// Keeps every tray call in place of the desktop's notification area.
class RecordingTray : public platform::shell::TrayShell {
public:
    struct Call {
        std::uint32_t message;
        platform::shell::NotifyIconDataA data;
    };
    bool NotifyIcon(std::uint32_t message, const platform::shell::NotifyIconDataA& data) override;
    bool HostPresent() override { return hostPresent; }
    std::vector<Call> calls;
    bool hostPresent = true;
};

// A main window loaded with the tray, the popup menu, the browser and the
// program's end all observed. The window procedure in place before the
// sub-classing is Previous, which records what it is handed and answers as the
// default procedure does.
class MainWindowTrayTest : public ::testing::Test {
protected:
    struct Seen {
        platform::windows::Hwnd hWnd;
        std::int32_t uMsg, wParam, lParam;
        bool operator==(const Seen&) const = default;
    };

    void SetUp() override;
    void TearDown() override;

    // Loads and shows the default main window, with Previous as its procedure.
    Frmmain& LoadMain();
    std::int32_t Send(std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);
    // Runs what the event loop still owes: queued calls and deletions.
    static void Settle();

    static platform::windows::LResult Previous(platform::windows::Hwnd hWnd, std::int32_t uMsg,
                                               std::int32_t wParam, std::int32_t lParam);
    static inline std::vector<Seen> passedOn;

    RecordingTray tray;
    Frmmain* main = nullptr;
    platform::windows::Hwnd hWnd = 0;
    // The item texts of every menu popped up; onPopup plays the user.
    std::vector<QStringList> popups;
    std::function<void(QMenu&)> onPopup;
    QStringList opened;
    int quits = 0;

private:
    platform::shell::TrayShell* oldTray_ = nullptr;
    platform::windows::PopupMenuHandler oldPopup_;
    platform::shell::OpenUrlHandler oldOpen_;
    platform::forms::QuitHandler oldQuit_;
};
