#pragma once

#include <QList>
#include <QString>

#include "stock_row.h"

// Writes the rows, in order, as table pList (TEXT fields pNumber, pPY, pName)
// of a new SQLite file at `path`. The file is built beside the target and
// renamed over it, so a failed run leaves an existing file as it was.
// Returns the reason of a failure, or an empty string.
QString WriteDataFile(const QString& path, const QList<StockRow>& rows);
