#include "app/Frmmain/Frmmain.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>

#include "app/FrmLogin/FrmLogin.h"
#include "app/ImgBlt/AppWindowStyles.h"
#include "app/ImgBlt/WindowHook.h"
#include "app/Module/Module.h"
#include "platform/basic/numeric.h"
#include "platform/browser/browser_pane.h"
#include "platform/config/config_values.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/text_box.h"
#include "platform/listview/list_view.h"
#include "platform/shell/tray.h"
#include "platform/tabstrip/tab_strip.h"
#include "platform/windows/registered_messages.h"
#include "platform/windows/window_handles.h"

Frmmain::Frmmain(QWidget* parent) : platform::forms::Form(parent) {
    layout_ = platform::forms::Load(this, QStringLiteral(":/designer/Frmmain.json"));
    findControls();
    connectEvents();
    QIcon icon(QStringLiteral(":/images/app/marlquin.png"));
    icon.addFile(QStringLiteral(":/images/app/marlquin-16.png"));
    setWindowIcon(icon);
}

void Frmmain::findControls() {
    using platform::forms::controls::PictureBox;
    Picture1 = layout_.get<PictureBox>("Picture1");
    Picture2 = layout_.get<PictureBox>("Picture2");
    Picture4 = layout_.get<PictureBox>("Picture4");
    Picture5 = layout_.get<PictureBox>("Picture5");
    PictureBK = layout_.get<PictureBox>("PictureBK");
    PicLoad = layout_.get<PictureBox>("PicLoad");
    Text1 = layout_.get<platform::forms::controls::TextBox>("Text1");
    ListView1 = layout_.get<platform::listview::ListView>("ListView1");
    XPCommand1 = layout_.widget("XPCommand1");
    Command1 = layout_.widget("Command1");
    Command2 = layout_.widget("Command2");
    Command3 = layout_.widget("Command3");
    Label2 = layout_.widget("Label2");
    Label7 = layout_.widget("Label7");
    Web1 = layout_.get<platform::browser::BrowserPane>("Web1");
    Web2 = layout_.get<platform::browser::BrowserPane>("Web2");
    Web3 = layout_.get<platform::browser::BrowserPane>("Web3");
    for (int i = 0; i < PageTable::kCategories; ++i) {
        TabS1[i] = layout_.get<platform::tabstrip::TabStrip>("TabS1", i);
        FlatCmd1[i] = layout_.widget("FlatCmd1", i);
    }
}

void Frmmain::connectEvents() {
    using platform::forms::OnClick;
    OnClick(Label2, [this] { Label2_Click(); });
    OnClick(Label7, [this] { Label7_Click(); });
    OnClick(Command1, [this] { Command1_Click(); });
    OnClick(Command3, [this] { Command3_Click(); });
    OnClick(XPCommand1, [this] { XPCommand1_Click(); });
    connect(Text1, &platform::forms::controls::TextBox::Change, this, [this] { Text1_Change(); });
    connect(Text1, &platform::forms::controls::TextBox::KeyPress, this,
            [this](int& keyAscii) { Text1_KeyPress(keyAscii); });
    connect(ListView1, &platform::listview::ListView::DblClick, this,
            [this] { ListView1_DblClick(); });
    for (int i = 0; i < PageTable::kCategories; ++i) {
        OnClick(FlatCmd1[i], [this, i] { FlatCmd1_Click(i); });
        connect(TabS1[i], &platform::tabstrip::TabStrip::Click, this,
                [this, i](int tab) { TabS1_Click(i, tab); });
    }
    using platform::browser::BrowserPane;
    connect(Web1, &BrowserPane::DownloadComplete, this, [this] { Web1_DownloadComplete(); });
    connect(Web2, &BrowserPane::DownloadComplete, this, [this] { Web2_DownloadComplete(); });
    connect(Web3, &BrowserPane::DownloadComplete, this, [this] { Web3_DownloadComplete(); });
    connect(Web2, &BrowserPane::DocumentComplete, this, [this] { Web2_DocumentComplete(); });
}

void Frmmain::Form_Load() {
    ImgBlt::SetAppWindowStyles(this);
    ListView1->AddColumn(QStringLiteral("代码"), ListView1->Width() * 0.25);
    ListView1->AddColumn(QStringLiteral("拼音"), ListView1->Width() * 0.28);
    ListView1->AddColumn(QStringLiteral("名称"), ListView1->Width() * 0.33);
    ListView1->SetHeight(1695);
    for (int i = 0; i < PageTable::kCategories; ++i) CategoryURL[i] = PageTable::Address(i, 0);
    BaseURL = CategoryURL[0];
    ImgBlt::MsgTaskbarCreated =
        platform::windows::RegisterWindowMessageA(QStringLiteral("TaskbarCreated"));
    ImgBlt::Hook(platform::windows::HandleOf(this));
    SysTrayAdd();
    const QString blank = QStringLiteral("about:blank");
    Web1->Navigate(blank);
    Web2->Navigate(blank);
    Web3->Navigate(blank);
    Web1->SetSilent(true);
    Web2->SetSilent(true);
    Web3->SetSilent(true);
    const QString lastId = Module::ReadIni(QStringLiteral("Config"), QStringLiteral("LastID"),
                                           Module::AppPath() + QStringLiteral("Config.ini"));
    if (lastId.size() == 6 && platform::basic::IsNumeric(lastId)) Text1->setText(lastId);
    Web3->Navigate(platform::config::MemberUrl() + QStringLiteral("Ads.html"));
    Web1->Navigate(platform::config::IndexHost() + QStringLiteral("/zs/zs.asp"));
    Web2->Navigate(platform::config::PageHost() + QStringLiteral("/new/ggpc/ggts/000001.shtml"));
}

void Frmmain::Form_Unload() {
    ImgBlt::Unhook(platform::windows::HandleOf(this));
    SysTrayDel();
}

void Frmmain::mousePressEvent(QMouseEvent*) {
    Module::DragForm(this);
}

// Closed by the window manager (its close box, Alt+F4) as by the window's own
// close button: the program's quit, or the hidden tray menu would keep it alive.
void Frmmain::closeEvent(QCloseEvent* event) {
    event->ignore();
    Command3_Click();
}

void Frmmain::Label2_Click() {
    Module::OpenInBrowser(platform::config::HomePage());
}

void Frmmain::Label7_Click() {
    Unload();
    FrmLogin& login = platform::forms::Default<FrmLogin>();
    login.Show();
    login.Timer1->stop();
}

void Frmmain::Command1_Click() {
    setWindowState(windowState() | Qt::WindowMinimized);
    // Without a tray host no icon could bring the window back: it stays on
    // the taskbar, minimised.
    if (platform::shell::TrayHostPresent()) hide();
}

void Frmmain::Command3_Click() {
    Module::UnloadAllForms();
}
