#include "platform/controlhost/scale_units.h"

#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"

namespace platform::controlhost {
namespace {

double UnitsPerInch(std::int16_t mode) {
    switch (mode) {
        case vbTwips:
            return 1440;
        case vbPixels:
            return 96;
        case vbHimetric:
            return 2540;
        default:
            throw InvalidProcedureCall();
    }
}

}  // namespace

double ConvertScale(double value, std::int16_t from, std::int16_t to) {
    const double perInchFrom = UnitsPerInch(from);
    const double perInchTo = UnitsPerInch(to);
    if (from == to) return value;
    // Multiplying first keeps whole results exact (1560 twips are 104 pixels).
    return value * perInchTo / perInchFrom;
}

int ToPixels(double value, std::int16_t mode) {
    return static_cast<int>(basic::RoundHalfEven(ConvertScale(value, mode, vbPixels)));
}

}  // namespace platform::controlhost
