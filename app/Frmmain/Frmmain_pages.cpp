#include <QPointer>

#include "app/FrmTi/FrmTi.h"
#include "app/Frmmain/Frmmain.h"
#include "app/Module/Globals.h"
#include "app/Module/Module.h"
#include "platform/basic/numeric.h"
#include "platform/browser/browser_pane.h"
#include "platform/config/config_values.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/message_box.h"
#include "platform/tabstrip/tab_strip.h"

namespace {

const QString kPageEnd = QStringLiteral(".shtml");

}  // namespace

void Frmmain::TabS1_Click(int Index, int tab) {
    if (tab >= 0 && tab < PageTable::TabCount(Index)) BaseURL = PageTable::Address(Index, tab);
    CategoryURL[Index] = BaseURL;
    LoadSubPage(Index);
}

// The stock pool's pages are whole pages; the others take the code box's
// text, unchecked, as the code.
void Frmmain::LoadSubPage(int Index) {
    ShowPicLoad();
    if (Index == PageTable::kWholePages) {
        Picture4->hide();
        Web2->Navigate(BaseURL);
    } else {
        Picture4->setVisible(Index == 0);
        Web2->Navigate(BaseURL + Text1->text() + kPageEnd);
    }
}

void Frmmain::ShowCategory(int Index) {
    for (int i = 0; i < PageTable::kCategories; ++i) {
        FlatCmd1[i]->setProperty("Status", false);
        TabS1[i]->hide();
    }
    FlatCmd1[Index]->setProperty("Status", true);
    TabS1[Index]->show();
}

void Frmmain::FlatCmd1_Click(int Index) {
    if (Index == PageTable::kMembersOnly && CurrentUser.isEmpty()) {
        platform::forms::Default<FrmTi>().Show(platform::forms::Form::Modal);
        return;
    }
    ShowCategory(Index);
    BaseURL = CategoryURL[Index];
    LoadSubPage(Index);
}

void Frmmain::XPCommand1_Click() {
    const QString code = Text1->text();
    if (!(platform::basic::IsNumeric(code) && code.size() == 6)) {
        platform::forms::MsgBox(QStringLiteral("您输入的可能是无效的股票代码,请重新输入！"),
                                platform::forms::vbInformation, QStringLiteral("提示"));
        return;
    }
    ShowPicLoad();
    Module::WriteIni(QStringLiteral("Config"), QStringLiteral("LastID"), code,
                     Module::AppPath() + QStringLiteral("Config.ini"));
    // The stock pool's pages take no code: a code is evaluated on the stock
    // analysis page, and the window shows that category.
    if (FlatCmd1[PageTable::kWholePages]->property("Status").toBool()) {
        ShowCategory(0);
        BaseURL = CategoryURL[0];
        Picture4->show();
    }
    Web2->Navigate(BaseURL + code + kPageEnd);
}

void Frmmain::Web1_DownloadComplete() {
    WM1 = Web1->Document();
    if (WM1) WM1->setContextMenuHandler([this] { return WM1_oncontextmenu(); });
}

void Frmmain::Web2_DownloadComplete() {
    WM2 = Web2->Document();
    if (WM2) WM2->setContextMenuHandler([this] { return WM2_oncontextmenu(); });
}

void Frmmain::Web3_DownloadComplete() {
    WM3 = Web3->Document();
    if (WM3) WM3->setContextMenuHandler([this] { return WM3_oncontextmenu(); });
}

void Frmmain::Web2_DocumentComplete() {
    const QString location = Web2->LocationURL();
    if (location == QLatin1String("about:blank")) return;
    if (Web2->ReadyState() != platform::browser::kComplete) return;
    // A page that is no HTML document (a picture, an XML file) has nothing to
    // blank, but it is complete all the same.
    platform::browser::HtmlDocument* document = Web2->Document();
    if (document == nullptr) {
        PicLoad->hide();
        return;
    }
    if (Module::Contains(location, platform::config::IndexHost() + QLatin1Char('/')))
        BlankIndexPage(*document);
    // The page takes the blanking asynchronously; the overlay goes only once
    // it has, so the user never sees the parts that are blanked. By then the
    // overlay may have been shown for a newer page, which hides it itself.
    QPointer<Frmmain> self(this);
    const quint64 shown = picLoadShown_;
    document->apply([self, shown] {
        if (self && self->picLoadShown_ == shown) self->PicLoad->hide();
    });
}

void Frmmain::ShowPicLoad() {
    ++picLoadShown_;
    PicLoad->show();
}

void Frmmain::BlankIndexPage(platform::browser::HtmlDocument& document) {
    using platform::browser::HtmlElement;
    if (HtmlElement* body = document.body())
        if (HtmlElement* yourId = body->all().item(QStringLiteral("YourId")))
            yourId->setInnerHTML(QString());
    const QString site = platform::config::SiteDomain() + QLatin1Char('/');
    platform::browser::HtmlCollection& all = document.all();
    for (int i = 0; i < all.length(); ++i) {
        HtmlElement* element = all.item(i);
        if (element == nullptr) continue;
        if (element->tagName().toLower() == QLatin1String("a") &&
            Module::Contains(element->href(), site))
            element->setInnerHTML(QString());
    }
}
