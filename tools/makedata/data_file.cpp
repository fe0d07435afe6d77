#include "data_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kConnection = QStringLiteral("makedata");

QString fillDatabase(QSqlDatabase& db, const QList<StockRow>& rows) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("create table pList (pNumber TEXT, pPY TEXT, pName TEXT)")))
        return query.lastError().text();
    if (!db.transaction()) return db.lastError().text();
    if (!query.prepare(QStringLiteral("insert into pList (pNumber, pPY, pName) values (?, ?, ?)")))
        return query.lastError().text();
    for (const StockRow& row : rows) {
        query.addBindValue(row.code);
        query.addBindValue(row.pinyin);
        query.addBindValue(row.name);
        if (!query.exec()) return query.lastError().text();
    }
    // The lookup matches the start of a field with LIKE, which ignores the
    // case of Latin letters; an index in that collation lets SQLite seek to
    // the matching rows instead of reading the whole table, and holding the
    // other two fields as well it answers the query without the table.
    const QStringList indexes = {QStringLiteral("pNumber collate nocase, pPY, pName"),
                                 QStringLiteral("pPY collate nocase, pNumber, pName"),
                                 QStringLiteral("pName collate nocase, pNumber, pPY")};
    for (const QString& columns : indexes)
        if (!query.exec(QStringLiteral("create index pList_%1 on pList (%2)")
                            .arg(columns.section(u' ', 0, 0), columns)))
            return query.lastError().text();
    if (!db.commit()) return db.lastError().text();
    return {};
}

QString writeDatabase(const QString& path, const QList<StockRow>& rows) {
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        error = db.open() ? fillDatabase(db, rows) : db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
    return error;
}

}  // namespace

QString WriteDataFile(const QString& path, const QList<StockRow>& rows) {
    const QString temporary =
        path + QStringLiteral(".tmp-%1").arg(QCoreApplication::applicationPid());
    QFile::remove(temporary);
    QString error = writeDatabase(temporary, rows);
    if (error.isEmpty() && std::rename(QFile::encodeName(temporary).constData(),
                                       QFile::encodeName(path).constData()) != 0)
        error = QString::fromLocal8Bit(std::strerror(errno));
    if (!error.isEmpty()) {
        QFile::remove(temporary);
        return QStringLiteral("%1: 无法写入数据文件：%2").arg(path, error);
    }
    return {};
}
