#include "platform/controlhost/event_args.h"

#include "platform/controlhost/host_errors.h"

namespace platform::controlhost {
namespace {

template <class T>
T& Argument(const std::vector<EventArgs::Ref>& refs, int index) {
    if (index < 0 || index >= static_cast<int>(refs.size())) throw SubscriptOutOfRange();
    T* const* ref = std::get_if<T*>(&refs[static_cast<size_t>(index)]);
    if (ref == nullptr) throw TypeMismatch();
    return **ref;
}

}  // namespace

std::int16_t& EventArgs::Integer(int index) const {
    return Argument<std::int16_t>(refs_, index);
}

float& EventArgs::Single(int index) const {
    return Argument<float>(refs_, index);
}

}  // namespace platform::controlhost
