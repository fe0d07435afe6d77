#pragma once

#include <QList>

#include "stock_row.h"

// The most rows a synthetic table can hold: each of the three code families
// ("6", "0", "3") has 100000 six-digit codes.
constexpr int kMaxSyntheticRows = 300000;

// `count` rows (1 to kMaxSyntheticRows) shaped like the real list, the same
// for every run: unique codes, a third of them starting with "6" and the real
// market prefixes filled first; names of two to four common characters of
// stock names, some ending in "A"; pinyin initials that fit the names. Sorted
// by code.
QList<StockRow> SyntheticStocks(int count);
