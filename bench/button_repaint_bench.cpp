#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QPushButton>
#include <QVariantMap>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <memory>

#include "controls/Command/Command.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "controls/XPCommand/XPCommand.h"
#include "platform/controlhost/property_bag.h"
#include "platform/forms/fonts.h"
#include "platform/raster/picture.h"

// The repaint of each button control (its Refresh, then the window's paint
// of what it shows) beside a QPushButton's repaint, in one process, so that
// their ratios hold on a busy machine. Compare medians of interleaved runs:
//   QT_QPA_PLATFORM=offscreen build/bench/button_repaint_bench
//     --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
//     --benchmark_report_aggregates_only=true

namespace {

const QString kSongTi = QStringLiteral("宋体");

QVariantMap SongTi() {
    return QVariantMap{{"name", kSongTi}, {"size", 9}, {"charset", 134}};
}

// A shown window holding one button; `repaint` repaints that button once.
struct Stage {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    std::function<void()> repaint;
};

// A control's repaint: its Refresh, then the window's paint of what it shows.
template <class Control>
std::function<void()> RefreshAndPaint(Control* control) {
    return [control] {
        control->Refresh();
        control->repaint();
    };
}

// The anchor: a Qt push button of the guest button's size and caption.
Stage PushButton() {
    Stage stage;
    auto* button = new QPushButton(QStringLiteral("游客登录"), stage.window.get());
    button->setFont(QFont(kSongTi, 9));
    button->setGeometry(10, 10, 89, 25);
    stage.repaint = [button] { button->repaint(); };
    return stage;
}

// A title-bar button as the windows store it.
Stage TitleBarButton() {
    Stage stage;
    auto* button = new controls::Command(stage.window.get());
    button->Load(platform::controlhost::PropertyBag(
        QVariantMap{{"Picture", QStringLiteral(":/images/Command/close.bmp")}, {"Enabled", true}}));
    stage.repaint = RefreshAndPaint(button);
    return stage;
}

// A button control under the pointer.
template <class Control>
class Hovered : public Control {
public:
    using Control::Control;
    void Hover() { this->g_Hover = true; }
};

// The login window's guest button under the pointer.
Stage GuestLogin() {
    Stage stage;
    auto* button = new Hovered<controls::XPCommand>(stage.window.get());
    button->setGeometry(10, 10, 89, 25);
    button->Load(platform::controlhost::PropertyBag(
        QVariantMap{{"Caption", QStringLiteral("游客登录    ")}, {"Font", SongTi()}}));
    button->Hover();
    stage.repaint = RefreshAndPaint(button);
    return stage;
}

// A category button as the main window holds it: a 60 x 26 frame of the
// category strip with its caption, selected and under the pointer, over the
// window's background.
Stage Category() {
    Stage stage;
    stage.window->resize(800, 460);
    QImage skin(800, 460, QImage::Format_RGB32);
    skin.fill(qRgb(222, 234, 248));
    stage.window->setProperty("Picture",
                              QVariant::fromValue(platform::raster::PictureFromImage(skin)));
    auto* button = new Hovered<controls::FlatCmd>(stage.window.get());
    button->SetDisplayName(QStringLiteral("FlatCmd1(0)"));
    button->setGeometry(16, 32, 60, 26);
    button->Load(platform::controlhost::PropertyBag(
        QVariantMap{{"caption", QStringLiteral("个股透析    ")},
                    {"picturebg", QStringLiteral(":/images/FlatCmd/strip.bmp")},
                    {"checked", true},
                    {"font", SongTi()}}));
    button->Hover();
    button->SetStatus(true);
    stage.repaint = RefreshAndPaint(button);
    return stage;
}

// Only a window that the platform has exposed paints at all.
bool WaitForExposure(QWidget& window) {
    const QDeadlineTimer deadline(5000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    return window.windowHandle() && window.windowHandle()->isExposed();
}

void Repaint(benchmark::State& state, Stage (*make)()) {
    platform::forms::InstallFontSubstitutions();
    Stage stage = make();
    stage.window->show();
    if (!WaitForExposure(*stage.window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    for (auto _ : state) stage.repaint();
}

BENCHMARK_CAPTURE(Repaint, QPushButton, &PushButton)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Repaint, Command, &TitleBarButton)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Repaint, XPCommand, &GuestLogin)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Repaint, FlatCmd, &Category)->Unit(benchmark::kMicrosecond);

}  // namespace
