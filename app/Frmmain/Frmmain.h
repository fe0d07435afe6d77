#pragma once

#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>

#include "app/Frmmain/PageTable.h"
#include "platform/forms/designer_loader.h"
#include "platform/forms/form.h"

namespace platform::forms::controls {
class PictureBox;
class TextBox;
}  // namespace platform::forms::controls
namespace platform::browser {
class BrowserPane;
class HtmlDocument;
}  // namespace platform::browser
namespace platform::listview {
class ListView;
}  // namespace platform::listview
namespace platform::tabstrip {
class TabStrip;
}  // namespace platform::tabstrip

// The main window: the code box, the evaluation panes, the category buttons
// with their tab strips, and the shell operations of the title bar.
class Frmmain : public platform::forms::Form {
    Q_OBJECT
public:
    explicit Frmmain(QWidget* parent = nullptr);

    // The controls of the designer data.
    // frame of the index pane, below the visible area
    platform::forms::controls::PictureBox* Picture1 = nullptr;
    // frame of the main pane and its loading overlay
    platform::forms::controls::PictureBox* Picture2 = nullptr;
    // white cover by the main pane, shown for category 0 only
    platform::forms::controls::PictureBox* Picture4 = nullptr;
    // frame of the advertisement pane
    platform::forms::controls::PictureBox* Picture5 = nullptr;
    // grey-framed panel behind the main pane
    platform::forms::controls::PictureBox* PictureBK = nullptr;
    // loading overlay over the main pane
    platform::forms::controls::PictureBox* PicLoad = nullptr;
    // code box
    platform::forms::controls::TextBox* Text1 = nullptr;
    // match list under the code box
    platform::listview::ListView* ListView1 = nullptr;
    // evaluate button "评测"
    QWidget* XPCommand1 = nullptr;
    // title bar: minimise to the tray
    QWidget* Command1 = nullptr;
    // title bar: middle button, no action
    QWidget* Command2 = nullptr;
    // title bar: close, quits the program
    QWidget* Command3 = nullptr;
    // home-page link "官网"
    QWidget* Label2 = nullptr;
    // log-out link "注销"
    QWidget* Label7 = nullptr;
    // index pane: the evaluation site's index page, out of sight
    platform::browser::BrowserPane* Web1 = nullptr;
    // main pane: the evaluation pages
    platform::browser::BrowserPane* Web2 = nullptr;
    // advertisement pane
    platform::browser::BrowserPane* Web3 = nullptr;
    // each category's tab strip
    std::array<platform::tabstrip::TabStrip*, PageTable::kCategories> TabS1{};
    // the category buttons
    std::array<QWidget*, PageTable::kCategories> FlatCmd1{};

    // The address of the main pane's current sub-page, and the last one
    // chosen in each category.
    QString BaseURL;
    std::array<QString, PageTable::kCategories> CategoryURL;

    void TabS1_Click(int Index, int tab);
    void FlatCmd1_Click(int Index);
    void XPCommand1_Click();
    void Command1_Click();

    // Stock lookup (Frmmain_lookup.cpp): the line last added to the match
    // list, and whether the code box holds a pick from it untouched since.
    int CurItem = 0;
    bool PickedFromList = false;
    // True when no character of s is a double-byte character of the ANSI code page.
    bool CheckZ(const QString& s) const;

    // Tray icon (Frmmain_tray.cpp).
    std::int32_t WndProcTrayIcon(std::int32_t hWnd, std::int32_t uMsg, std::int32_t wParam,
                                 std::int32_t lParam);
    void SysTrayAdd();
    void UpdateTips();
    void SysTrayDel();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void findControls();
    void connectEvents();

    void Label2_Click();
    void Label7_Click();
    void Command3_Click();

    void Text1_Change();
    void Text1_KeyPress(int& KeyAscii);
    void ListView1_DblClick();
    void ListMatches(const QString& t);

    void ShowCategory(int Index);
    // Loads BaseURL, the current sub-page of category Index, into the main pane.
    void LoadSubPage(int Index);
    // Shows the loading overlay over the main pane for a page about to load.
    void ShowPicLoad();
    void Web1_DownloadComplete();
    void Web2_DownloadComplete();
    void Web3_DownloadComplete();
    bool WM1_oncontextmenu() { return false; }
    bool WM2_oncontextmenu() { return false; }
    bool WM3_oncontextmenu() { return false; }
    void Web2_DocumentComplete();
    void BlankIndexPage(platform::browser::HtmlDocument& document);

    platform::forms::Layout layout_;
    // Counts the showings of the loading overlay, so that a page completed
    // before the latest one cannot hide it.
    quint64 picLoadShown_ = 0;
    // The panes' current documents, bound to their context-menu events.
    QPointer<platform::browser::HtmlDocument> WM1;
    QPointer<platform::browser::HtmlDocument> WM2;
    QPointer<platform::browser::HtmlDocument> WM3;
};
