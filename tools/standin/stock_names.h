#pragma once

#include <QHash>
#include <QString>

struct StockNames {
    QHash<QString, QString> byCode;  // pNumber -> pName
    QString error;                   // empty when Data.dat was read
};

// Reads every code and name of table pList.
StockNames LoadStockNames(const QString& dataPath);

// The stock's name, or "未知股票" for a code not in the table.
QString NameOf(const StockNames& names, const QString& code);
