#include "button_probe_fixture.h"

#include <QCursor>
#include <QTest>
#include <limits>

#include "platform/controlhost/scale_units.h"

namespace controls::testing {

using platform::controlhost::EventArgs;

namespace {

QString Number(float value) {
    return QString::number(static_cast<double>(value));
}

}  // namespace

ButtonProbe::ButtonProbe(const interaction::ButtonEventNumbers& events, std::int16_t scaleMode,
                         QWidget* parent)
    : interaction::ButtonControl(events, parent) {
    SetScaleMode(scaleMode);
    const float unit = static_cast<float>(
        platform::controlhost::ConvertScale(1, platform::controlhost::vbPixels, scaleMode));
    for (int number = 1; number <= 9; ++number) {
        SetEventHandler(number, [this, number, unit](const EventArgs& args) {
            QStringList entry{NameOf(number)};
            for (int i = 0; i < args.Count(); ++i) {
                if (args.Count() == 4 && i >= 2)
                    entry.append(Number(args.Single(i) / unit));
                else
                    entry.append(QString::number(args.Integer(i)));
            }
            log.append(entry.join(QLatin1Char(' ')));
        });
    }
}

QString ButtonProbe::PaintEntry() const {
    QString flags;
    if (g_Pressed) flags += QLatin1Char('P');
    if (g_Hover) flags += QLatin1Char('H');
    return QStringLiteral("paint:") + (flags.isEmpty() ? QStringLiteral("-") : flags);
}

QString ButtonProbe::NameOf(int number) const {
    const interaction::ButtonEventNumbers& e = Events();
    const std::pair<int, const char*> names[] = {
        {e.Click, "Click"},     {e.MouseDown, "MouseDown"}, {e.MouseMove, "MouseMove"},
        {e.MouseUp, "MouseUp"}, {e.MouseIn, "MouseIn"},     {e.MouseOut, "MouseOut"},
        {e.KeyDown, "KeyDown"}, {e.KeyPress, "KeyPress"},   {e.KeyUp, "KeyUp"}};
    for (const auto& [n, name] : names)
        if (n == number) return QString::fromLatin1(name);
    return {};
}

ProbeWindow::ProbeWindow(const interaction::ButtonEventNumbers& events, std::int16_t scaleMode)
    : window_(std::make_unique<QWidget>()) {
    window_->resize(120, 80);
    probe_ = new ButtonProbe(events, scaleMode, window_.get());
    probe_->setGeometry(10, 10, 20, 10);
    probe_->InitNew();
    // On a loaded machine the real hover timer would fall due between two
    // steps and tick at the pointer's real place, not the simulated one.
    hoverInterval_ = probe_->OverTimer.Interval();
    probe_->OverTimer.SetInterval(std::numeric_limits<int>::max());
    child_ = new QWidget(probe_);
    child_->setGeometry(0, 0, 4, 4);
    // The focus rests elsewhere, so that only the steps move it.
    auto* focusSink = new QWidget(window_.get());
    focusSink->setGeometry(60, 10, 10, 10);
    focusSink->setFocusPolicy(Qt::StrongFocus);
    window_->show();
    (void)QTest::qWaitForWindowExposed(window_.get());
    focusSink->setFocus();
    unit_ = static_cast<float>(
        platform::controlhost::ConvertScale(1, platform::controlhost::vbPixels, scaleMode));
    probe_->log.clear();
}

void ProbeWindow::RunHoverTimer() {
    probe_->OverTimer.SetInterval(hoverInterval_);
}

void ProbeWindow::PointerOnProbe() {
    QCursor::setPos(probe_->mapToGlobal(QPoint(10, 6)));
}

void ProbeWindow::PointerOnChild() {
    QCursor::setPos(child_->mapToGlobal(QPoint(1, 1)));
}

void ProbeWindow::PointerOnWindow() {
    QCursor::setPos(window_->mapToGlobal(QPoint(80, 50)));
}

}  // namespace controls::testing
