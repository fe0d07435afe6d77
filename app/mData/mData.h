#pragma once

#include <QString>
#include <memory>

#include "platform/data/connection.h"
#include "platform/data/recordset.h"

// Start-up and the one database connection of the run.
namespace mData {

extern QString ConnStr;
extern std::unique_ptr<platform::data::Connection> Conn;
extern std::unique_ptr<platform::data::Recordset> Rs;

// The entry point: opens Data.dat and shows the login window; any failure
// is reported by ShowErrorInfo and no window opens.
void Main();

// Opens a new record set for sql on conn; the parameters are bound in order.
std::unique_ptr<platform::data::Recordset> OpenRecordset(platform::data::Connection& conn,
                                                         const QString& sql,
                                                         const QVariantList& parameters = {});

// Releases Rs and Conn. The program calls it at the end of the run, while the
// application object and Qt SQL's own globals still live: left to static
// destruction, the connection would outlive them.
void CloseConnection();

// Reports the pending run-time error, if any, and clears it.
void ShowErrorInfo();
QString ErrorInfoText(long number, const QString& source, const QString& description);

}  // namespace mData
