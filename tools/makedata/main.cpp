// makedata STOCKS.csv OUT.dat      builds Data.dat from the stock list
// makedata --synthetic N OUT.dat   builds a table of N made-up stocks
#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "data_file.h"
#include "stock_csv.h"
#include "synthetic_stocks.h"

namespace {

int fail(const QString& message) {
    std::fputs(message.toUtf8().append('\n').constData(), stderr);
    return 1;
}

int usage() {
    std::fputs(
        "用法: makedata STOCKS.csv OUT.dat\n"
        "      makedata --synthetic N OUT.dat\n",
        stderr);
    return 2;
}

int fromList(const QString& csvPath, const QString& outPath) {
    const StockCsv csv = ReadStockCsv(csvPath);
    if (!csv.error.isEmpty()) return fail(csv.error);
    const QString error = WriteDataFile(outPath, csv.rows);
    return error.isEmpty() ? 0 : fail(error);
}

int synthetic(const QString& countText, const QString& outPath) {
    bool ok = false;
    const int count = countText.toInt(&ok);
    if (!ok || count < 1 || count > kMaxSyntheticRows)
        return fail(QStringLiteral("行数“%1”无效：应为 1 到 %2 之间的整数")
                        .arg(countText)
                        .arg(kMaxSyntheticRows));
    const QString error = WriteDataFile(outPath, SyntheticStocks(count));
    return error.isEmpty() ? 0 : fail(error);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the SQLite driver is a plugin
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && !args[0].startsWith(u'-')) return fromList(args[0], args[1]);
    if (args.size() == 3 && args[0] == QStringLiteral("--synthetic"))
        return synthetic(args[1], args[2]);
    return usage();
}
