#include "frmmain_fixture.h"
#include "platform/forms/controls/picture_box.h"
#include "support/row_print.h"

namespace {

using Elements = std::vector<FakeElementData>;

// An index-host page: the element YourId, links to the site and elsewhere.
Elements indexPage() {
    return {
        {"DIV", "YourId", "", "您的编号 12345", true},
        {"A", "", "http://www.site.test/zs/more.asp", "更多", true},
        {"a", "", "HTTP://WWW.SITE.TEST/", "首页", true},
        {"A", "", "http://other.test/", "友情链接", true},
        {"LINK", "", "http://www.site.test/style.css", "", false},
        {"A", "", "http://site.test.other.test/", "相似", true},
        {"SPAN", "", "", "www.site.test/", true},
    };
}

struct CompleteRow {
    const char* name;
    const char* url;  // nullptr: the pane has no document
    int readyState;
    bool overlayHidden;
    bool blanked;
};

using support::PrintTo;

class DocumentCompleteTest : public MainWindowTest,
                             public ::testing::WithParamInterface<CompleteRow> {};

TEST_P(DocumentCompleteTest, OverlayAndBlankingFollowTheCompletedPage) {
    const CompleteRow row = GetParam();
    Frmmain& w = open();
    FakePane& web2 = pane(w.Web2);
    std::unique_ptr<FakeDocument> document;
    if (row.url != nullptr) document = std::make_unique<FakeDocument>(indexPage());
    FakeDocument* shown =
        web2.finish(QString::fromUtf8(row.url), std::move(document), row.readyState);

    EXPECT_EQ(w.PicLoad->isHidden(), row.overlayHidden);
    if (shown == nullptr) return;
    const Elements& e = shown->elements;
    const Elements original = indexPage();
    EXPECT_EQ(e[0].innerHTML, row.blanked ? QString() : original[0].innerHTML);
    EXPECT_EQ(e[1].innerHTML, row.blanked ? QString() : original[1].innerHTML);
    EXPECT_EQ(e[2].innerHTML, row.blanked ? QString() : original[2].innerHTML);
    for (size_t other = 3; other < e.size(); ++other)
        EXPECT_EQ(e[other].innerHTML, original[other].innerHTML) << other;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DocumentCompleteTest,
    ::testing::Values(
        CompleteRow{"NoDocument", nullptr, platform::browser::kComplete, true, false},
        CompleteRow{"NoDocumentYet", nullptr, platform::browser::kLoading, false, false},
        CompleteRow{"Blank", "about:blank", platform::browser::kComplete, false, false},
        CompleteRow{"FrameOnly", "http://index.site.test/zs/zs.asp",
                    platform::browser::kInteractive, false, false},
        CompleteRow{"PageHost", "http://pages.site.test/new/ggpc/ggts/000001.shtml",
                    platform::browser::kComplete, true, false},
        CompleteRow{"IndexHost", "http://index.site.test/zs/zs.asp", platform::browser::kComplete,
                    true, true},
        CompleteRow{"IndexHostInCapitals", "HTTP://INDEX.SITE.TEST/ZS/ZS.ASP",
                    platform::browser::kComplete, true, true},
        CompleteRow{"IndexHostWithoutPath", "http://index.site.test", platform::browser::kComplete,
                    true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, OverlayHidesOnlyOnceThePageHasTakenTheBlanking) {
    Frmmain& w = open();
    auto document = std::make_unique<FakeDocument>(indexPage());
    document->holdApply = true;
    FakeDocument* shown = pane(w.Web2).finish(kIndexHost + "/zs/zs.asp", std::move(document));
    EXPECT_FALSE(w.PicLoad->isHidden());
    EXPECT_EQ(shown->elements[0].innerHTML, indexPage()[0].innerHTML);
    shown->releaseApply();
    EXPECT_TRUE(shown->elements[0].innerHTML.isEmpty());
    EXPECT_TRUE(w.PicLoad->isHidden());
}

TEST_F(MainWindowTest, PageWithoutBodyOrYourIdStillLosesTheOverlay) {
    Frmmain& w = open();
    Elements links = {{"A", "", "http://www.site.test/", "站内", false}};
    FakeDocument* shown = pane(w.Web2).finish(kIndexHost + "/zs/zs.asp",
                                              std::make_unique<FakeDocument>(links, false));
    EXPECT_TRUE(shown->elements[0].innerHTML.isEmpty());
    EXPECT_TRUE(w.PicLoad->isHidden());
}

TEST_F(MainWindowTest, YourIdOutsideTheBodyIsLeftAlone) {
    Frmmain& w = open();
    Elements elements = {{"META", "YourId", "", "head", false}};
    FakeDocument* shown =
        pane(w.Web2).finish(kIndexHost + "/zs/zs.asp", std::make_unique<FakeDocument>(elements));
    EXPECT_EQ(shown->elements[0].innerHTML, QStringLiteral("head"));
}

TEST_F(MainWindowTest, NoPaneOpensAContextMenu) {
    Frmmain& w = open();
    for (auto* web : {w.Web1, w.Web2, w.Web3}) {
        FakeDocument* shown =
            pane(web).finish(kPageHost + "/x.shtml", std::make_unique<FakeDocument>(Elements{}));
        EXPECT_TRUE(shown->hasContextMenuHandler()) << web->objectName().toStdString();
        EXPECT_FALSE(shown->rightClick()) << web->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, EachDownloadBindsTheNewDocument) {
    Frmmain& w = open();
    FakePane& web3 = pane(w.Web3);
    web3.finish(kMemberUrl + "Ads.html", std::make_unique<FakeDocument>(Elements{}));
    FakeDocument* second =
        web3.finish(kMemberUrl + "Ads.html", std::make_unique<FakeDocument>(Elements{}));
    EXPECT_FALSE(second->rightClick());
}

}  // namespace
