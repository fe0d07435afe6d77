#pragma once

#include <cstdint>

#include "platform/forms/form.h"

// The main window.
class Frmmain : public platform::Form {
    Q_OBJECT
public:
    explicit Frmmain(QWidget* parent = nullptr);

    // Tray icon (Frmmain_tray.cpp).
    std::int32_t WndProcTrayIcon(std::int32_t hWnd, std::int32_t uMsg, std::int32_t wParam,
                                 std::int32_t lParam);
    void SysTrayAdd();
    void UpdateTips();
    void SysTrayDel();

    void Command1_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};
