#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/forms/designer.h"

class QTimer;

namespace platform::forms {

// The controls that a window's designer data created, found by name (and
// index for control arrays).
class Layout {
public:
    QWidget* widget(const QString& name, int index = -1) const;
    QTimer* timer(const QString& name) const;
    template <class T>
    T* get(const QString& name, int index = -1) const {
        return qobject_cast<T*>(widget(name, index));
    }
    const QList<DesignEntry>& entries() const { return entries_; }

private:
    friend Layout Load(QWidget* form, const QString& resource);
    QHash<QString, QPointer<QWidget>> widgets_;
    QHash<QString, QPointer<QTimer>> timers_;
    QList<DesignEntry> entries_;
};

// Builds the window from its designer data: the form's own settings, then
// every control in designer order. Unknown kinds and bad entries are left
// out, so a damaged resource never stops the window from opening.
Layout Load(QWidget* form, const QString& resource);

// Connects the Click() signal that every button kind has.
bool OnClick(QObject* control, std::function<void()> handler);

// Helpers for the factories of registered kinds.
QFont FontFrom(const QVariant& value, const QFont& fallback);
void ApplyCommon(QWidget* widget, const DesignEntry& design);
// Twips (15 to the pixel) as the nearest whole pixels; a whole number of
// twips never lies half-way between two pixels.
int PixelsOf(int twips);
QRect PixelsOf(const QRect& twips);

// The background picture given to a window by its designer data.
QImage FormPicture(const QWidget* form);

}  // namespace platform::forms
