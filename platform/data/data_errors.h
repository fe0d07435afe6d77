#pragma once

#include <QString>

// The data layer's run-time error numbers and sources, shared by the
// connection and the record sets so that callers can tell failures apart.
namespace platform::data {

inline constexpr long kOpenFailed = -2147467259;    // unspecified error
inline constexpr long kQueryFailed = -2147217900;   // the query could not run
inline constexpr long kFieldUnknown = -2147217904;  // the query names a field the table lacks
inline constexpr long kDatabaseBusy = -2147217871;  // another program holds the file locked
inline constexpr long kNoConnection = 3709;
inline constexpr long kItemNotFound = 3265;  // no field of that name or position

inline QString ProviderSource() {
    return QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");
}
inline QString RecordsetSource() {
    return QStringLiteral("ADODB.Recordset");
}

}  // namespace platform::data
