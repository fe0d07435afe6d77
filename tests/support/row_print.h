#pragma once

#include <ostream>

namespace support {

template <class Row>
concept HasWhat = requires(const Row& row, std::ostream& os) {
    os << row.what;
};

template <class Row>
concept HasName = requires(const Row& row, std::ostream& os) {
    os << row.name;
};

// Rows of table tests print as their `what`, or else their `name`, in test
// names and failure messages. A test file brings these in, next to its rows,
// with `using support::PrintTo;`.
template <HasWhat Row>
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.what;
}

template <HasName Row>
requires(!HasWhat<Row>) void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace support
