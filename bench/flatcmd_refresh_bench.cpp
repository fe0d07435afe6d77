#include <benchmark/benchmark.h>

#include <QImage>
#include <QVariantMap>
#include <QWidget>

#include "controls/FlatCmd/FlatCmd.h"
#include "platform/controlhost/property_bag.h"
#include "platform/raster/picture.h"

namespace {

// A category button as the main window holds it: a 60 x 26 frame of the
// category strip, its caption, selected and under the pointer, over the
// window's background.
class CategoryButton : public controls::FlatCmd {
public:
    using FlatCmd::FlatCmd;
    void HoverSelected() {
        g_Hover = true;
        SetStatus(true);
    }
};

void BM_FlatCmdRefresh(benchmark::State& state) {
    QWidget window;
    window.resize(800, 460);
    QImage skin(800, 460, QImage::Format_RGB32);
    skin.fill(qRgb(222, 234, 248));
    window.setProperty("Picture", QVariant::fromValue(raster::PictureFromImage(skin)));
    auto* button = new CategoryButton(&window);
    button->SetDisplayName(QStringLiteral("FlatCmd1(0)"));
    button->setGeometry(16, 32, 60, 26);
    const platform::controlhost::PropertyBag bag(QVariantMap{
        {"caption", QStringLiteral("个股透析    ")},
        {"picturebg", QStringLiteral(":/images/FlatCmd/strip.bmp")},
        {"checked", true},
        {"font", QVariantMap{{"name", QStringLiteral("宋体")}, {"size", 9}, {"charset", 134}}}});
    button->Load(bag);
    window.show();
    button->HoverSelected();

    for (auto _ : state) button->Refresh();
}
BENCHMARK(BM_FlatCmdRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace
