#include <benchmark/benchmark.h>

#include <QVariantMap>
#include <QWidget>

#include "controls/XPCommand/XPCommand.h"
#include "platform/controlhost/property_bag.h"
#include "platform/forms/fonts.h"

namespace {

// An XPCommand whose interaction state the benchmark sets directly.
class XPBench : public controls::XPCommand {
public:
    using XPCommand::XPCommand;
    void Show(bool pressed, bool hover, bool focus) {
        g_Pressed = pressed;
        g_Hover = hover;
        g_HasFocus = focus;
    }
};

enum State { kNormal, kHover, kFocus, kPressed, kDisabled };

// Refresh of the login window's 89 x 25 guest button with its caption.
void BM_XPCommandRefresh(benchmark::State& state) {
    platform::forms::InstallFontSubstitutions();
    QWidget window;
    window.resize(200, 80);
    auto* button = new XPBench(&window);
    button->setGeometry(10, 10, 89, 25);
    button->Load(platform::controlhost::PropertyBag(QVariantMap{
        {"Caption", QStringLiteral("游客登录    ")},
        {"Font", QVariantMap{{"name", QStringLiteral("宋体")}, {"size", 9}, {"charset", 134}}}}));
    const auto which = static_cast<State>(state.range(0));
    button->Show(which == kPressed, which == kHover, which == kFocus);
    button->setEnabled(which != kDisabled);
    for (auto _ : state) button->Refresh();
}
BENCHMARK(BM_XPCommandRefresh)
    ->ArgName("state")
    ->DenseRange(kNormal, kDisabled)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
