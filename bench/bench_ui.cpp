// The log input page's hot paths in the real window (offscreen): a key released in the call
// field, the commit with its backup, and leaving the grid. Each should fit in one frame.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

#include "cabrillo/CabrilloReader.h"
#include "common/TextFile.h"
#include "tests/support/PackagedData.h"
#include "ui/support/Clock.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/features/callentry/PartialCalls.h"
#include "ui/support/Prompts.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/mainwindow/Unit1.h"

namespace {

using namespace kerolt;
using test::MasterCalls;
using test::SkipWithoutPackagedData;

// Any message would stop the run; a benchmark only counts them.
class SilentPrompts : public Prompts {
  public:
    void ShowError(const QString&) override { ++Errors; }
    void ShowInformation(const QString&) override {}
    Answer Question(const QString&, const QString&, QuestionButtons) override { return Answer::No; }
    std::optional<QString> OpenFile(const FileDialogSettings&) override { return std::nullopt; }
    std::optional<QString> SaveFile(const FileDialogSettings&, const QString&) override {
        return std::nullopt;
    }
    int Errors = 0;
};

// The window of a Scandinavian entrant on the "Log input" page, holding qsoCount QSOs of real
// calls on the five bands in turn, scored as the page scores them; with the callsign list, check
// partial is on, as when the program finds MASTER.SCP.
struct LogWindow {
    CountryTable Table = test::PackagedCountryTable();
    SilentPrompts Prompts;
    SystemClock Clock;
    std::unique_ptr<TForm1> Form;

    explicit LogWindow(int qsoCount, bool callList = false) {
        Form = std::make_unique<TForm1>(Table, Prompts, Clock);
        if (callList)
            Form->Partials().SetCallList(LoadCallList(test::PackagedCallList));
        Form->show();
        Form->activateWindow();
        Form->CallEdit->setText(QStringLiteral("SM5QQQ"));
        Form->CallEditExit();
        SelectEntry(Form->ContestBox, SacCw);
        Form->PageControl1->setTabVisible(LogInputPage, true);
        Form->PageControl1->setCurrentIndex(LogInputPage);
        SelectEntry(Form->FrekvensEdit, 0);
        const std::vector<std::string>& freqs = FrequencyEntries();
        const std::vector<std::string>& calls = MasterCalls();
        CabrilloFile file;
        for (int i = 0; i < qsoCount; ++i) {
            const std::string nr = std::to_string(i + 1);
            const QsoEntry entry{
                freqs[static_cast<std::size_t>(i) % freqs.size()], "1300", "599", nr,
                calls[static_cast<std::size_t>(i) % calls.size()], "599",  nr};
            file.Rows.push_back(CommittedRow(i + 1, entry));
        }
        file.ContestDate = "2019-09-21";
        Form->ShowOpenedFile(file, "bench.log", false);
        Form->PageControl1->setCurrentIndex(LogInputPage);
        SelectEntry(Form->FrekvensEdit, 0);
        Form->NyNrEdit->setText(QString::number(qsoCount + 1));
        Settle();
    }

    static void Settle() { QApplication::processEvents(); }

    void Focus(QWidget* field) {
        field->setFocus(Qt::TabFocusReason);
        Settle();
    }
};

void SendKey(QWidget* target, QEvent::Type type, Qt::Key key, const QString& text) {
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

// A call already logged on the chosen band: the dupe colour, the lookup, the status text and,
// with the callsign list, the known calls near it.
void BM_CallKeyRelease(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    LogWindow w(static_cast<int>(bench.range(0)), bench.range(1) != 0);
    w.Focus(w.Form->CallWkdInput);
    w.Form->CallWkdInput->setText(ToUi(w.Form->Log().Cell(1, ColCall)));
    for (auto _ : bench) {
        SendKey(w.Form->CallWkdInput, QEvent::KeyRelease, Qt::Key_C, QStringLiteral("C"));
        LogWindow::Settle();
    }
}

// Check partial's search for one key release, over the whole callsign list and the log's calls:
// from 2 characters, where thousands of calls match, to whole calls, whose neighbours are
// looked up too.
void BM_CheckPartial(benchmark::State& bench) {
    const char* typed[] = {"SM", "DL1", "OH2B", "K1ZZ", "SM5QQX", "9A1A"};
    if (SkipWithoutPackagedData(bench))
        return;
    LogWindow w(500, true);
    const QString text = QLatin1String(typed[bench.range(0)]);
    std::size_t shown = 0;
    for (auto _ : bench) {
        const PartialMatches found = w.Form->Partials().CheckPartialFor(text, 12);
        shown = found.Items.size() + found.More;
        benchmark::DoNotOptimize(found);
    }
    bench.SetLabel(typed[bench.range(0)]);
    bench.counters["matches"] = static_cast<double>(shown);
}

// Enter in the received number with AutoSave on: the QSO logged, scored and Last.log written.
// The row is taken away again outside the timing, so every commit meets the same log.
void BM_CommitWithBackup(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    QTemporaryDir folder;
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());
    LogWindow w(static_cast<int>(bench.range(0)));
    const QString call = ToUi(MasterCalls()[static_cast<std::size_t>(bench.range(0))]);
    for (auto _ : bench) {
        bench.PauseTiming();
        w.Form->CallWkdInput->setText(call);
        w.Form->NrInput->setText(QStringLiteral("5"));
        w.Focus(w.Form->NrInput);
        bench.ResumeTiming();
        SendKey(w.Form->NrInput, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
        LogWindow::Settle();
        bench.PauseTiming();
        w.Form->Deletelastrow1Click();
        bench.ResumeTiming();
    }
    if (w.Prompts.Errors > 0 || !QFile::exists(QStringLiteral("Last.log")))
        bench.SkipWithError("the commit did not write Last.log");
    QDir::setCurrent(home);
}

// The floor under a commit with the backup: the synced, atomic write of the same log's text.
void BM_WriteBackup(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    QTemporaryDir folder;
    LogWindow w(static_cast<int>(bench.range(0)));
    w.Form->RebuildCabrilloLog();
    const std::vector<std::string> lines = w.Form->CabrilloLines();
    const std::string file = (folder.path() + QStringLiteral("/Last.log")).toStdString();
    for (auto _ : bench) WriteLines(file, lines);
}

// One cell edited in the grid and taken, as Enter in its editor gives it: validated, the log
// re-scored, the Cabrillo text and the views refreshed and Last.log written. The call goes back
// and forth, so every edit is a change.
void BM_GridEdit(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    QTemporaryDir folder;
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());
    LogWindow w(static_cast<int>(bench.range(0)));
    QAbstractItemModel* model = w.Form->SG->model();
    const QModelIndex cell = model->index(w.Form->Log().QsoRowCount() / 2, ColCall);
    const QString calls[] = {model->data(cell).toString(), QStringLiteral("OX3XR")};
    int turn = 0;
    for (auto _ : bench) {
        turn = 1 - turn;
        if (!model->setData(cell, calls[turn]))
            bench.SkipWithError("the edit was refused");
        LogWindow::Settle();
    }
    QDir::setCurrent(home);
}

// Leaving the grid for the call field: nothing left to do, each edit was taken as it was made.
void BM_LeaveGrid(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    LogWindow w(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        bench.PauseTiming();
        w.Focus(w.Form->SG);
        bench.ResumeTiming();
        w.Form->CallWkdInput->setFocus(Qt::TabFocusReason);
        LogWindow::Settle();
    }
}

BENCHMARK(BM_CallKeyRelease)
    ->ArgsProduct({{500, 5000}, {0, 1}})
    ->ArgNames({"qsos", "list"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckPartial)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CommitWithBackup)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBackup)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridEdit)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeaveGrid)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The real window without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
