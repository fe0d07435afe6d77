#pragma once

// Runs the Data.dat builder (${MARLQUIN_BUILD_DIR}/tools/makedata/makedata)
// and reads what it made through the program's own data layer.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

struct ToolRun {
    int exitCode = -1;
    QString errors;  // what it wrote to stderr
};

QString BuildDir();
ToolRun RunMakedata(const QStringList& arguments);

// Writes `csv` into `folder` and builds "Data.dat" there from it; returns the
// database path, or an empty string when the builder refused the list.
QString MakeDataFile(const QString& folder, const QByteArray& csv);

// The rows a query returns through platform::data, each as code, pinyin, name.
QList<QStringList> QueryRows(const QString& dataPath, const QString& sql,
                             const QVariantList& parameters = {});
