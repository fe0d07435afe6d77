#pragma once

#include <QList>
#include <QString>

#include "stock_row.h"

struct StockCsv {
    QList<StockRow> rows;  // in the file's order
    QString error;         // "file:line: reason" for the first bad line; empty when valid
};

// Reads the UTF-8 stock list (header "pNumber,pPY,pName") and checks every
// row: a six-digit code seen only once, a name, and pinyin initials of
// upper-case letters, one per character of the name.
StockCsv ReadStockCsv(const QString& path);
