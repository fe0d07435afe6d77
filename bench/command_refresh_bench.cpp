#include <benchmark/benchmark.h>

#include <QCursor>
#include <QString>
#include <QVariantMap>

#include "controls/Command/Command.h"
#include "platform/controlhost/property_bag.h"

namespace {

// One title-bar button loaded as the windows store it.
controls::Command* TitleBarButton(QWidget* window, const char* strip) {
    auto* command = new controls::Command(window);
    command->Load(platform::controlhost::PropertyBag(
        QVariantMap{{"Picture", QString::fromLatin1(strip)}, {"Enabled", true}}));
    return command;
}

void BM_CommandRefresh(benchmark::State& state) {
    QWidget window;
    controls::Command* command = TitleBarButton(&window, ":/images/Command/close.bmp");
    window.show();
    for (auto _ : state) command->Refresh();
}
BENCHMARK(BM_CommandRefresh);

void BM_CommandRefreshWithCaption(benchmark::State& state) {
    QWidget window;
    controls::Command* command = TitleBarButton(&window, ":/images/Command/close.bmp");
    command->SetCaption(QStringLiteral("关闭"));
    window.show();
    for (auto _ : state) command->Refresh();
}
BENCHMARK(BM_CommandRefreshWithCaption);

// A hover change as the interaction makes it: MouseIn's repaint, then the
// timer's MouseOut repaint.
void BM_CommandHoverInAndOut(benchmark::State& state) {
    QWidget window;
    controls::Command* command = TitleBarButton(&window, ":/images/Command/minimise.bmp");
    window.show();
    QCursor::setPos(window.mapToGlobal(QPoint(-1000, -1000)));
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 30;
    float y = 30;
    for (auto _ : state) {
        command->UserControl_MouseMove(button, shift, x, y);
        command->OverTimer_Timer();
    }
}
BENCHMARK(BM_CommandHoverInAndOut);

}  // namespace
