#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <variant>
#include <vector>

namespace platform::controlhost {

// The arguments of one raised event. Each refers to the raiser's own
// variable, so a handler that changes an argument changes that variable
// (events pass their arguments by reference).
class EventArgs {
public:
    using Ref = std::variant<std::int16_t*, float*>;

    EventArgs() = default;
    EventArgs(std::initializer_list<Ref> refs) : refs_(refs) {}

    int Count() const { return static_cast<int>(refs_.size()); }
    // A 16-bit integer argument (Button, Shift, KeyCode, KeyAscii); run-time
    // error 9 for a missing argument and 13 for one of another type.
    std::int16_t& Integer(int index) const;
    // A single-precision argument (x, y).
    float& Single(int index) const;

private:
    std::vector<Ref> refs_;
};

// The holder's handler of one event number.
using EventHandler = std::function<void(const EventArgs& args)>;

}  // namespace platform::controlhost
