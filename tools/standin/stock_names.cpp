#include "stock_names.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kConnection = QStringLiteral("standin");

QString readNames(QSqlDatabase& db, QHash<QString, QString>& byCode) {
    if (!db.open()) return db.lastError().text();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select pNumber, pName from pList")))
        return query.lastError().text();
    while (query.next()) byCode.insert(query.value(0).toString(), query.value(1).toString());
    return {};
}

}  // namespace

StockNames LoadStockNames(const QString& dataPath) {
    StockNames names;
    if (!QFileInfo(dataPath).isFile()) {
        names.error = QStringLiteral("找不到股票数据 %1").arg(dataPath);
        return names;
    }
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(dataPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        error = readNames(db, names.byCode);
        db.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
    if (!error.isEmpty())
        names.error = QStringLiteral("无法读取股票数据 %1：%2").arg(dataPath, error);
    return names;
}

QString NameOf(const StockNames& names, const QString& code) {
    return names.byCode.value(code, QStringLiteral("未知股票"));
}
