#pragma once

#include <QString>

// One line of the stock table pList.
struct StockRow {
    QString code;    // pNumber: six digits
    QString pinyin;  // pPY: upper-case initials of the name
    QString name;    // pName
};
