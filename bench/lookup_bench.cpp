// The stock lookup: one change of the code box up to a filled list model (not
// its painting), on the shipped Data.dat and on made-up tables of 5,000 and
// 100,000 stocks, for texts of one, two and three digits, two pinyin letters
// and one Chinese character. Beside it, the floor: the same query bound and
// stepped with SQLite alone over the same file, reading every value of every
// row, once as a keystroke meets it (BM_BareLike) and once in a loop of
// nothing else (BM_BareLikeTight). Run with QT_QPA_PLATFORM=offscreen from the
// build folder's bench/ (or with MARLQUIN_BUILD_DIR set), with
// --benchmark_enable_random_interleaving=true so that the repetitions of all
// three take turns and compare medians.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <ctime>

#include "app/Frmmain/Frmmain.h"
#include "app/Module/Module.h"
#include "app/RegisterKinds.h"
#include "app/mData/mData.h"
#include "platform/basic/app_folder.h"
#include "platform/browser/browser_pane.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/designer.h"
#include "platform/forms/forms_collection.h"
#include "platform/listview/list_view.h"

namespace {

// Panes that go nowhere: the lookup does not touch them.
class QuietPane : public platform::browser::BrowserPane {
public:
    using BrowserPane::BrowserPane;
    void Navigate(const QString&) override {}
    void SetSilent(bool silent) override { silent_ = silent; }
    bool Silent() const override { return silent_; }
    platform::browser::HtmlDocument* Document() override { return nullptr; }
    QString LocationURL() const override { return {}; }
    int ReadyState() const override { return platform::browser::kUninitialized; }

private:
    bool silent_ = false;
};

QString buildDir() {
    const QString named = qEnvironmentVariable("MARLQUIN_BUILD_DIR");
    if (!named.isEmpty()) return named;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// The data file of a table: 0 the shipped list, otherwise that many made-up
// stocks, made once by the builder.
QString dataFile(int rows) {
    if (rows == 0) return buildDir() + QStringLiteral("/Data.dat");
    const QString path = folder().filePath(QStringLiteral("synthetic-%1.dat").arg(rows));
    if (QFile::exists(path)) return path;
    QProcess::execute(buildDir() + QStringLiteral("/tools/makedata/makedata"),
                      {QStringLiteral("--synthetic"), QString::number(rows), path});
    return path;
}

Frmmain& mainWindow() {
    static Frmmain* const window = [] {
        platform::basic::SetApplicationFolder(folder().path());
        platform::forms::SetQuitHandler([] {});
        RegisterAllKinds();
        platform::forms::RegisterKind(
            QStringLiteral("WebBrowser"),
            [](QWidget* parent, const platform::forms::DesignEntry& design) {
                auto* pane = new QuietPane(parent);
                platform::forms::ApplyCommon(pane, design);
                return pane;
            });
        Frmmain* created = &platform::forms::Default<Frmmain>();
        created->Show();
        // The window and the connection go before the application does.
        qAddPostRoutine([] {
            Module::UnloadAllForms();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            mData::Rs.reset();
            mData::Conn.reset();
        });
        return created;
    }();
    return *window;
}

bool useTable(int rows) {
    static int current = -1;
    if (rows == current) return true;
    const QString path = dataFile(rows);
    mData::Rs.reset();
    mData::Conn = std::make_unique<platform::data::Connection>();
    mData::Conn->ConnectionString = QStringLiteral("DBQ=") + path + QLatin1Char(';');
    try {
        mData::Conn->Open();
    } catch (const std::exception&) {
        return false;
    }
    current = rows;
    return true;
}

const char* const kTexts[] = {"6", "60", "600", "GZ", "ZG", "中"};

// The query the lookup runs for a text, as the window chooses it.
QByteArray queryFor(const QString& text) {
    if (text.front().isDigit()) return "select  * from pList where pNumber like ?";
    if (text.front().unicode() < 0x80) return "select  * from pList where pPY like ?";
    return "select  * from pList where pName like ?";
}

QString labelFor(int rows, const QString& text) {
    return QStringLiteral("%1 rows, \"%2\"")
        .arg(rows == 0 ? QStringLiteral("Data.dat") : QString::number(rows), text);
}

// Wall time and this thread's CPU time of one timed stretch: the wall time
// is the benchmark's; the CPU time (counter "cpu_us") holds steady while other
// programs keep the machine busy.
class Stopwatch {
public:
    Stopwatch() : cpu_(cpuNow()) { wall_.start(); }
    void stop(benchmark::State& state) {
        state.SetIterationTime(static_cast<double>(wall_.nsecsElapsed()) / 1e9);
        state.counters["cpu_us"] += (cpuNow() - cpu_) / 1e3;
    }

private:
    static double cpuNow() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
    }

    double cpu_;
    QElapsedTimer wall_;
};

void finish(benchmark::State& state, int rows, const QString& text, qsizetype matches) {
    state.counters["cpu_us"].flags = benchmark::Counter::kAvgIterations;
    state.counters["matches"] = static_cast<double>(matches);
    state.SetLabel(labelFor(rows, text).toStdString());
}

// As between two keystrokes: the box held another text, the list shows the
// previous lines, laid out and painted, and the event loop has nothing left
// to do.
void betweenKeystrokes(Frmmain& window) {
    window.Text1->blockSignals(true);
    window.Text1->setText(QStringLiteral("1"));
    window.Text1->blockSignals(false);
    window.ListView1->viewport()->update();
    QCoreApplication::processEvents();
}

void BM_LookupOneChange(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const QString text = QString::fromUtf8(kTexts[state.range(1)]);
    Frmmain& window = mainWindow();
    if (!useTable(rows)) {
        state.SkipWithError("no data file");
        return;
    }
    QAbstractItemModel* lines = window.ListView1->model();
    for (auto _ : state) {
        betweenKeystrokes(window);
        Stopwatch clock;
        window.Text1->setText(text);
        QCoreApplication::sendPostedEvents(lines, QEvent::MetaCall);
        clock.stop(state);
    }
    finish(state, rows, text, lines->rowCount());
}

// The floor: prepare, bind, step to the end and read each value's text, on a
// read-only connection of its own; what any reader of these rows pays SQLite.
class BareQuery {
public:
    BareQuery(int rows, const QString& text)
        : sql_(queryFor(text)), pattern_((text + QLatin1Char('%')).toUtf8()) {
        if (sqlite3_open_v2(QFile::encodeName(dataFile(rows)).constData(), &db_,
                            SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db_);
            db_ = nullptr;
        }
    }
    ~BareQuery() { sqlite3_close(db_); }
    BareQuery(const BareQuery&) = delete;
    BareQuery& operator=(const BareQuery&) = delete;

    bool ok() const { return db_ != nullptr; }

    // Returns the number of rows.
    qsizetype run() const {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db_, sql_.constData(), static_cast<int>(sql_.size()), &statement,
                           nullptr);
        sqlite3_bind_text(statement, 1, pattern_.constData(), static_cast<int>(pattern_.size()),
                          SQLITE_TRANSIENT);
        const int columns = sqlite3_column_count(statement);
        qsizetype bytes = 0;
        qsizetype matches = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int i = 0; i < columns; ++i) {
                benchmark::DoNotOptimize(sqlite3_column_text(statement, i));
                bytes += sqlite3_column_bytes(statement, i);
            }
            ++matches;
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(bytes);
        return matches;
    }

private:
    QByteArray sql_;
    QByteArray pattern_;
    sqlite3* db_ = nullptr;
};

// The floor met as a keystroke meets it: the window shows the same lines and
// has just painted them, so that the query finds the caches as the lookup
// does.
void BM_BareLike(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const QString text = QString::fromUtf8(kTexts[state.range(1)]);
    Frmmain& window = mainWindow();
    const BareQuery query(rows, text);
    if (!query.ok() || !useTable(rows)) {
        state.SkipWithError("no data file");
        return;
    }
    window.Text1->setText(text);
    qsizetype matches = 0;
    for (auto _ : state) {
        betweenKeystrokes(window);
        Stopwatch clock;
        matches = query.run();
        clock.stop(state);
        window.Text1->blockSignals(true);
        window.Text1->setText(text);
        window.Text1->blockSignals(false);
    }
    finish(state, rows, text, matches);
}

// The floor in a loop of nothing else, every cache warm: the least SQLite
// ever takes for these rows.
void BM_BareLikeTight(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const QString text = QString::fromUtf8(kTexts[state.range(1)]);
    const BareQuery query(rows, text);
    if (!query.ok()) {
        state.SkipWithError("no data file");
        return;
    }
    qsizetype matches = 0;
    for (auto _ : state) {
        Stopwatch clock;
        matches = query.run();
        clock.stop(state);
    }
    finish(state, rows, text, matches);
}

void lookupArguments(benchmark::internal::Benchmark* bench) {
    for (int rows : {0, 5000, 100000})
        for (int text = 0; text < static_cast<int>(std::size(kTexts)); ++text)
            bench->Args({rows, text});
}

BENCHMARK(BM_LookupOneChange)
    ->Apply(lookupArguments)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_BareLike)
    ->Apply(lookupArguments)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_BareLikeTight)
    ->Apply(lookupArguments)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
