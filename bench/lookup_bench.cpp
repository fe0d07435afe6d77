// The stock lookup: one change of the code box up to a filled list model (not
// its painting), on the shipped Data.dat and on made-up tables of 5,000 and
// 100,000 stocks, for texts of one, two and three digits, two pinyin letters
// and one Chinese character. Run with QT_QPA_PLATFORM=offscreen from the build
// folder's bench/ (or with MARLQUIN_BUILD_DIR set).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

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
        platform::SetApplicationFolder(folder().path());
        platform::forms::SetQuitHandler([] {});
        RegisterAllKinds();
        platform::designer::RegisterKind(
            QStringLiteral("WebBrowser"),
            [](QWidget* parent, const platform::designer::ControlSpec& design) {
                auto* pane = new QuietPane(parent);
                platform::designer::ApplyCommon(pane, design);
                return pane;
            });
        Frmmain* created = &platform::Default<Frmmain>();
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

const char* const kTexts[] = {"6", "60", "600", "ZG", "中"};

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
        // The box held another text before: the list is shown with old lines.
        window.Text1->blockSignals(true);
        window.Text1->setText(QStringLiteral("1"));
        window.Text1->blockSignals(false);
        QElapsedTimer clock;
        clock.start();
        window.Text1->setText(text);
        QCoreApplication::sendPostedEvents(lines, QEvent::MetaCall);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["matches"] = lines->rowCount();
    state.SetLabel(QStringLiteral("%1 rows, \"%2\"")
                       .arg(rows == 0 ? QStringLiteral("Data.dat") : QString::number(rows), text)
                       .toStdString());
}

void lookupArguments(benchmark::internal::Benchmark* bench) {
    for (int rows : {0, 5000, 100000})
        for (int text = 0; text < static_cast<int>(std::size(kTexts)); ++text)
            bench->Args({rows, text});
}

BENCHMARK(BM_LookupOneChange)
    ->Apply(lookupArguments)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
