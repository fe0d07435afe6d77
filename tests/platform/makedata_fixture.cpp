#include "tests/platform/makedata_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "platform/data/connection.h"
#include "platform/data/recordset.h"

QString BuildDir() {
    const QString named = qEnvironmentVariable("MARLQUIN_BUILD_DIR");
    if (!named.isEmpty()) return named;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

ToolRun RunMakedata(const QStringList& arguments) {
    QProcess process;
    process.start(BuildDir() + QStringLiteral("/tools/makedata/makedata"), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        run.errors = process.errorString();
        return run;
    }
    run.exitCode = process.exitCode();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString MakeDataFile(const QString& folder, const QByteArray& csv) {
    const QString csvPath = folder + QStringLiteral("/stocks.csv");
    const QString dataPath = folder + QStringLiteral("/Data.dat");
    QFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size()) return {};
    file.close();
    return RunMakedata({csvPath, dataPath}).exitCode == 0 ? dataPath : QString();
}

QList<QStringList> QueryRows(const QString& dataPath, const QString& sql,
                             const QVariantList& parameters) {
    platform::data::Connection connection;
    connection.ConnectionString =
        QStringLiteral("DRIVER=Microsoft Access Driver (*.mdb);DBQ=") + dataPath + u';';
    connection.Open();
    platform::data::Recordset rs;
    rs.Source = sql;
    rs.Parameters = parameters;
    rs.ActiveConnection = &connection;
    rs.Open();
    QList<QStringList> rows;
    for (; !rs.EOF_(); rs.MoveNext())
        rows.append({rs.Field(QStringLiteral("pNumber")), rs.Field(QStringLiteral("pPY")),
                     rs.Field(QStringLiteral("pName"))});
    return rows;
}
