#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "tests/platform/makedata_fixture.h"

namespace {

const QByteArray kHeader = "pNumber,pPY,pName\n";

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Makedata, RefusesABadRowNamingItsLine) {
    const struct {
        const char* what;
        QByteArray csv;
        QString message;
    } cases[] = {
        {"five-digit code", kHeader + "000001,PAYH,平安银行\n00002,WKA,万科A\n",
         ":3: 代码“00002”不是六位数字"},
        {"seven-digit code", kHeader + "0000011,PAYH,平安银行\n", ":2: 代码"},
        {"letter in the code", kHeader + "60051A,GZMT,贵州茅台\n", ":2: 代码“60051A”"},
        {"blank in the code", kHeader + " 00001,PAYH,平安银行\n", ":2: 代码"},
        {"full-width digits", kHeader + "６００５１９,GZMT,贵州茅台\n", ":2: 代码"},
        {"lower-case pinyin", kHeader + "600519,gzmt,贵州茅台\n",
         ":2: 拼音简码“gzmt”只能由大写字母组成"},
        {"empty pinyin", kHeader + "600519,,贵州茅台\n", ":2: 拼音简码"},
        {"digit in the pinyin", kHeader + "600519,GZ2T,贵州茅台\n", ":2: 拼音简码"},
        {"empty name", kHeader + "600519,GZMT,\n", ":2: 名称为空"},
        {"pinyin too short", kHeader + "000001,PAY,平安银行\n",
         ":2: 拼音简码“PAY”与名称“平安银行”"},
        {"pinyin too long", kHeader + "000001,PAYHX,平安银行\n", ":2: 拼音简码"},
        {"letter of the name changed", kHeader + "000002,WKB,万科A\n", ":2: 拼音简码“WKB”"},
        {"blank in the name", kHeader + "000001,PAYHX,平安 银行\n", ":2: 拼音简码"},
        {"two fields", kHeader + "600519,GZMT\n", ":2: 应有 3 个字段"},
        {"four fields", kHeader + "600519,GZMT,贵州,茅台\n", ":2: 应有 3 个字段"},
        {"duplicate code",
         kHeader + "600519,GZMT,贵州茅台\n000001,PAYH,平安银行\n600519,GZMT,贵州茅台\n",
         ":4: 代码 600519 与第 2 行重复"},
        {"wrong header", "code,py,name\n600519,GZMT,贵州茅台\n", ":1: 第一行应为表头"},
        {"no header", "600519,GZMT,贵州茅台\n", ":1: 第一行应为表头"},
        {"header only", kHeader, "没有任何股票"},
        {"empty file", "", "没有任何股票"},
        {"not UTF-8", kHeader + "600519,GZMT,\xb9\xf3\xd6\xdd\xc3\xa9\xcc\xa8\n",
         "不是有效的 UTF-8"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString csv = dir.filePath("stocks.csv");
        const QString out = dir.filePath("Data.dat");
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.csv);
        file.close();
        // A refused list leaves the last good Data.dat alone.
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous");
        old.close();

        const ToolRun run = RunMakedata({csv, out});
        EXPECT_EQ(run.exitCode, 1) << c.what;
        EXPECT_TRUE(run.errors.contains(c.message)) << c.what << ": " << run.errors.toStdString();
        EXPECT_EQ(readFile(out), "previous") << c.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2)
            << c.what << ": temporary file left";
    }
}

TEST(Makedata, AcceptsByteOrderMarkCrLfAndBlankLines) {
    QTemporaryDir dir;
    const QString data = MakeDataFile(
        dir.path(),
        "\xEF\xBB\xBFpNumber,pPY,pName\r\n600519,GZMT,贵州茅台\r\n\r\n000100,TCLKJ,TCL科技\r\n\n");
    ASSERT_FALSE(data.isEmpty());
    const QList<QStringList> rows = QueryRows(data, QStringLiteral("select  * from pList"));
    EXPECT_EQ(rows,
              (QList<QStringList>{{"600519", "GZMT", "贵州茅台"}, {"000100", "TCLKJ", "TCL科技"}}));
}

TEST(Makedata, ReplacesAnExistingDataFile) {
    QTemporaryDir dir;
    ASSERT_FALSE(MakeDataFile(dir.path(), kHeader + "600519,GZMT,贵州茅台\n").isEmpty());
    const QString data = MakeDataFile(dir.path(), kHeader + "000001,PAYH,平安银行\n");
    ASSERT_FALSE(data.isEmpty());
    EXPECT_EQ(QueryRows(data, QStringLiteral("select  * from pList")),
              (QList<QStringList>{{"000001", "PAYH", "平安银行"}}));
}

TEST(Makedata, ReportsAnUnwritableTarget) {
    QTemporaryDir dir;
    QFile csv(dir.filePath("stocks.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(kHeader + "600519,GZMT,贵州茅台\n");
    csv.close();
    // A folder where the file should go stops even root.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Data.dat"));
    const ToolRun run = RunMakedata({csv.fileName(), dir.filePath("Data.dat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("无法写入数据文件")) << run.errors.toStdString();
}

TEST(Makedata, SyntheticTableIsShapedLikeTheRealOne) {
    QTemporaryDir dir;
    const QString data = dir.filePath("synthetic.dat");
    ASSERT_EQ(RunMakedata({"--synthetic", "3000", data}).exitCode, 0);
    const QList<QStringList> rows = QueryRows(data, QStringLiteral("select  * from pList"));
    ASSERT_EQ(rows.size(), 3000);
    QSet<QString> codes;
    int six = 0;
    int sixty = 0;
    for (const QStringList& row : rows) {
        const QString& code = row[0];
        EXPECT_TRUE(code.size() == 6 && code.toInt() >= 0 &&
                    QStringLiteral("036").contains(code[0]))
            << code.toStdString();
        EXPECT_EQ(row[1].size(), row[2].size()) << row.join(' ').toStdString();
        EXPECT_FALSE(row[1].contains(QRegularExpression("[^A-Z]"))) << row[1].toStdString();
        codes.insert(code);
        six += code.startsWith('6');
        sixty += code.startsWith(QStringLiteral("60"));
    }
    EXPECT_EQ(codes.size(), 3000);
    EXPECT_EQ(six, 1000);
    EXPECT_GT(sixty, 500);
    for (qsizetype i = 1; i < rows.size(); ++i) EXPECT_LT(rows[i - 1][0], rows[i][0]);

    const QString again = dir.filePath("again.dat");
    ASSERT_EQ(RunMakedata({"--synthetic", "3000", again}).exitCode, 0);
    EXPECT_EQ(QueryRows(again, QStringLiteral("select  * from pList")), rows);
}

TEST(Makedata, RefusesBadArguments) {
    QTemporaryDir dir;
    const QString out = dir.filePath("x.dat");
    const struct {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{"--synthetic", "0", out}, 1},
        {{"--synthetic", "-5", out}, 1},
        {{"--synthetic", "many", out}, 1},
        {{"--synthetic", "300001", out}, 1},
        {{"--synthetic", "10"}, 2},
        {{}, 2},
        {{"only-one.csv"}, 2},
        {{dir.filePath("missing.csv"), out}, 1},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunMakedata(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_FALSE(run.errors.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
}

}  // namespace
