#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

namespace platform::shell {

// Reports the tray host coming and going. The X server tells when the tray
// selection of the screen changes owner, so nothing polls and nothing wakes
// the program while the host stays as it is. Without an X display it never
// reports.
class TrayHostWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit TrayHostWatch(QObject* parent = nullptr);
    ~TrayHostWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // A host that hands the tray straight on to another one reports gone,
    // then present.
    void HostChanged(bool present);

private:
    void ownerIs(std::uint32_t owner);

    std::uint32_t selection_ = 0;
    std::uint8_t notifyType_ = 0;  // 0 while nothing is watched
    std::uint32_t owner_ = 0;
};

}  // namespace platform::shell
