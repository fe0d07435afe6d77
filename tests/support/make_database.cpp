#include "support/make_database.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>

void makeDatabase(const QString& path, const QStringList& statements) {
    const QString name = QStringLiteral("make-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            ASSERT_TRUE(query.exec(statement)) << qPrintable(statement);
    }
    QSqlDatabase::removeDatabase(name);
}
