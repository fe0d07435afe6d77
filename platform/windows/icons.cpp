#include "platform/windows/icons.h"

#include <QList>

namespace platform::windows {
namespace {

struct IconObject {
    qint64 source;
    int size;
    QIcon icon;
};

// The handle of an icon object is its position in the list plus one.
QList<IconObject>& icons() {
    static QList<IconObject> list;
    return list;
}

}  // namespace

Hicon IconHandle(const QIcon& icon, int size) {
    if (icon.isNull() || size <= 0) return 0;
    QList<IconObject>& list = icons();
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].source == icon.cacheKey() && list[i].size == size)
            return static_cast<Hicon>(i + 1);
    list.append({icon.cacheKey(), size, QIcon(icon.pixmap(size, size))});
    return static_cast<Hicon>(list.size());
}

QIcon IconFromHandle(Hicon hIcon) {
    const QList<IconObject>& list = icons();
    if (hIcon <= 0 || hIcon > list.size()) return {};
    return list[hIcon - 1].icon;
}

}  // namespace platform::windows
