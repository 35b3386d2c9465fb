// Open, Save and the question before the window closes, with real files in a scratch folder.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "UiTestSupport.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/TextFile.h"
#include "common/Version.h"
#include "tests/cabrillo/CabrilloTestSupport.h"
#include "ui/ComboLists.h"
#include "ui/CoreText.h"

using namespace kerolt;
using namespace kerolt::test;

namespace {

using Lines = std::vector<std::string>;

// An SM entrant's SAC-CW 2019 log as the program writes it: both days of the contest, a dupe,
// and a Scandinavian station that is not in the contest. Its claimed score line is stale.
Lines SampleLog() {
    using testing::QsoRow;
    const QsoLog log = testing::LogOf({
        QsoRow("14000", "1305", "599", "     1", "DL1ABC        ", "599", "    12"),
        QsoRow(" 7000", "1410", "599", "     2", "K1AR          ", "599", "   100"),
        QsoRow("14000", "0130", "599", "     3", "DL1ABC        ", "599", "    13"),
        QsoRow(" 3500", "0200", "599", "     4", "SM6XYZ        ", "599", "     5"),
    });
    return BuildCabrilloLog(testing::SampleStation(SacCw), log, "2019-09-21");
}

int IndexOfKey(const Lines& lines, const std::string& key) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(key, 0) == 0)
            return static_cast<int>(i);
    return -1;
}

Lines WithLine(Lines lines, const std::string& key, const std::string& line) {
    lines[static_cast<std::size_t>(IndexOfKey(lines, key))] = line;
    return lines;
}

Lines WithoutQsos(Lines lines) {
    std::erase_if(lines, [](const std::string& l) { return l.rfind("QSO:", 0) == 0; });
    return lines;
}

QString Write(const QString& name, const Lines& lines) {
    WriteLines(ToCore(name), lines);
    return name;
}

Lines Read(const QString& name) {
    return ReadLines(ToCore(name));
}

// What an Open must leave alone when it fails.
struct Snapshot {
    StationData station;
    Lines cabrillo;
    std::vector<QsoLog::Row> rows;
    QString resList, filePanel, nr, time;
    std::string contestDate;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(TForm1& f) {
    Snapshot s{f.StationDataFromControls(), f.CabrilloLines(),      {},
               f.ResList->toPlainText(),    f.PanelText(FilePanel), f.NyNrEdit->text(),
               f.TimeEdit->text(),          f.State().ContestDate};
    for (int r = 0; r < f.Log().RowCount(); ++r) s.rows.push_back(f.Log().RowAt(r));
    return s;
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

    Window w_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString home_;

    TForm1& F() { return *w_.Form; }

    void OpenFile(const QString& name) {
        w_.Prompts.Files << name;
        F().Open1->trigger();
    }

    // Closes the window through its close question, the answers given in turn.
    bool Close(std::deque<Answer> answers, const QStringList& files) {
        w_.Prompts.Answers = std::move(answers);
        w_.Prompts.Files = files;
        return F().close();
    }

  private slots:
    void initTestCase() { home_ = QDir::currentPath(); }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(dir_->path());
        w_.Prompts = ScriptedPrompts();
        QVERIFY(w_.Open());
    }
    void cleanup() {
        w_.Form.reset();
        QDir::setCurrent(home_);
        dir_.reset();
    }

    void failedOpenChangesNothing() {
        OpenFile(Write(QStringLiteral("first.log"), SampleLog()));
        Lines badNr = SampleLog();
        badNr[badNr.size() - 2].replace(48, 6, "    4x");
        const struct {
            const char* what;
            QString file;
            int errors;
        } cases[] = {
            {"dialog cancelled", QString(), 0},
            {"missing file", QStringLiteral("missing.log"), 1},
            {"refused file",
             Write(QStringLiteral("old.log"), WithLine(SampleLog(), "START", "START-OF-LOG: 2.0")),
             1},
            {"bad Nr in the last row", Write(QStringLiteral("bad.log"), badNr), 1},
        };
        for (const auto& c : cases) {
            w_.Prompts.Errors.clear();
            const Snapshot before = Take(F());
            OpenFile(c.file);
            QVERIFY2(Take(F()) == before, c.what);
            QVERIFY2(w_.Prompts.Errors.size() == c.errors, c.what);
            QVERIFY2(QApplication::overrideCursor() == nullptr, c.what);
        }
    }

    void openTakesWhatTheFileHolds() {
        using Check = std::function<void(TForm1&)>;
        const struct {
            const char* what;
            Lines file;
            Check check;
        } cases[] = {
            {"header only: empty log, all pages, date and counters kept", WithoutQsos(SampleLog()),
             [](TForm1& f) {
                 QCOMPARE(f.Log().RowCount(), 2);
                 QCOMPARE(f.Log().QsoCounter, 1);
                 QCOMPARE(f.State().ContestDate, std::string("2001-01-01"));
                 QCOMPARE(f.NyNrEdit->text(), QStringLiteral("77"));
                 QCOMPARE(f.TimeEdit->text(), QStringLiteral("0999"));
                 QCOMPARE(f.ClamedScoreEdit->text(), QStringLiteral("0"));
                 QVERIFY(f.PageControl1->isTabVisible(MultListPage));
             }},
            {"an entry in other letter case is selected",
             WithLine(SampleLog(), "CATEGORY-POWER:", "CATEGORY-POWER: qrp"),
             [](TForm1& f) { QCOMPARE(f.PowerComboBox->currentText(), QStringLiteral("QRP")); }},
            {"a value not among the entries selects none",
             WithLine(SampleLog(), "CATEGORY-POWER:", "CATEGORY-POWER: MEDIUM"),
             [](TForm1& f) {
                 QCOMPARE(f.PowerComboBox->currentIndex(), -1);
                 QCOMPARE(f.PowerComboBox->currentText(), QString());
             }},
            {"an empty overlay selects the empty entry", SampleLog(),
             [](TForm1& f) { QCOMPARE(f.OverlayComboBox->currentIndex(), 0); }},
            {"a missing key keeps the field", WithLine(SampleLog(), "CLUB:", "ORG: SK0QQ"),
             [](TForm1& f) { QCOMPARE(f.ClubEdit->text(), QStringLiteral("KEEP")); }},
        };
        for (const auto& c : cases) {
            cleanup();
            init();
            F().State().ContestDate = "2001-01-01";
            F().NyNrEdit->setText(QStringLiteral("77"));
            F().TimeEdit->setText(QStringLiteral("0999"));
            F().ClubEdit->setText(QStringLiteral("KEEP"));
            SelectEntry(F().OverlayComboBox, 1);
            OpenFile(Write(QStringLiteral("case.log"), c.file));
            QVERIFY2(w_.Prompts.Errors.isEmpty(), c.what);
            c.check(F());
            if (QTest::currentTestFailed())
                QFAIL(c.what);
        }
    }

    // Unsaved QSOs are offered a save before another log replaces them.
    void openAsksBeforeDroppingUnsavedQsos() {
        const struct {
            const char* what;
            std::deque<Answer> answers;
            QStringList files;  // the save dialog's answer, then the open dialog's
            bool opened;
        } cases[] = {
            {"No opens", {Answer::No}, {QStringLiteral("sample.log")}, true},
            {"Cancel stops", {Answer::Cancel}, {}, false},
            {"Yes saves, then opens",
             {Answer::Yes},
             {QStringLiteral("mine.log"), QStringLiteral("sample.log")},
             true},
            {"Yes and no name chosen stops", {Answer::Yes}, {QString()}, false},
        };
        for (const auto& c : cases) {
            cleanup();
            init();
            Write(QStringLiteral("sample.log"), SampleLog());
            F().CallEdit->setText(QStringLiteral("OH2BH"));
            F().SetLogSaved(false);
            w_.Prompts.Answers = c.answers;
            w_.Prompts.Files = c.files;
            F().Open1->trigger();
            QVERIFY2(w_.Prompts.Questions ==
                         QStringList{"Do you want to save the log before opening another?"},
                     c.what);
            QVERIFY2((F().CallEdit->text() == QStringLiteral("SM5QQQ")) == c.opened, c.what);
            QVERIFY2(QFileInfo::exists(QStringLiteral("mine.log")) == c.files.contains("mine.log"),
                     c.what);
        }
    }

    void openedLogKeepsItsYear() {
        const QString sample = Write(QStringLiteral("sample.log"), SampleLog());
        w_.StartLog(QStringLiteral("SM5QQQ"), SacSsb);
        QCOMPARE(F().State().ContestDate, ContestCalendarDate(SacSsb, w_.Clock.year));

        w_.ClickTab(DataInputPage);
        OpenFile(sample);
        w_.ClickTab(LogInputPage);
        QCOMPARE(F().State().ContestDate, std::string("2019-09-21"));
        // The edition chosen still decides the date, in the opened log's year.
        w_.ClickTab(DataInputPage);
        ChooseWithKeys(F().ContestBox, SacSsb);
        w_.ClickTab(LogInputPage);
        QCOMPARE(F().State().ContestDate, ContestCalendarDate(SacSsb, 2019));
    }

    // No contest chosen and a short callsign from the file must not hide the page shown.
    void openKeepsTheCurrentPage() {
        const QString file = Write(QStringLiteral("rtty.log"),
                                   WithLine(WithLine(SampleLog(), "CONTEST:", "CONTEST: SAC-RTTY"),
                                            "CALLSIGN:", "CALLSIGN: AB"));
        OpenFile(Write(QStringLiteral("sample.log"), SampleLog()));
        w_.ClickTab(LogInputPage);
        OpenFile(file);
        QCOMPARE(F().PageControl1->currentIndex(), int(LogInputPage));
        QVERIFY(F().PageControl1->isTabVisible(LogInputPage));
        QCOMPARE(F().ContestBox->currentIndex(), -1);
    }

    void closeQuestion() {
        const struct {
            const char* what;
            bool saved;
            std::deque<Answer> answers;
            QStringList files;
            bool closes;
            int questions;
            bool written;
        } cases[] = {
            {"a saved log closes without a question", true, {}, {}, true, 0, false},
            {"No closes without saving", false, {Answer::No}, {}, true, 1, false},
            {"Cancel stays", false, {Answer::Cancel}, {}, false, 1, false},
            {"Yes saves and closes", false, {Answer::Yes}, {"out.log"}, true, 1, true},
            {"no name, then quit", false, {Answer::Yes, Answer::Yes}, {QString()}, true, 2, false},
            {"no name, then stay", false, {Answer::Yes, Answer::No}, {QString()}, false, 2, false},
            {"a failed save stays", false, {Answer::Yes}, {"no/such/dir.log"}, false, 1, false},
        };
        const QStringList asked{"Do you want to save the log before exit?", "Quit without Saving?"};
        for (const auto& c : cases) {
            cleanup();
            init();
            F().CallEdit->setText(QStringLiteral("SM5QQQ"));
            F().SetLogSaved(c.saved);
            QVERIFY2(Close(c.answers, c.files) == c.closes, c.what);
            QVERIFY2(w_.Prompts.Questions == asked.mid(0, c.questions), c.what);
            QVERIFY2(QFileInfo::exists("out.log") == c.written, c.what);
            QVERIFY2(w_.Prompts.Errors.size() == (c.files.contains("no/such/dir.log") ? 1 : 0),
                     c.what);
            QVERIFY2(F().LogSaved() == c.saved, c.what);
        }
    }

    // The Save command proposes nothing for a short callsign; the close question always does.
    void proposedNames() {
        const struct {
            const char *call, *inSave, *onExit;
        } cases[] = {{"SM5QQQ/P", "SM5QQQ-P.log", "SM5QQQ-P.log"}, {"AB", "", "AB.log"}};
        for (const auto& c : cases) {
            w_.Prompts.ProposedNames.clear();
            F().CallEdit->setText(QLatin1String(c.call));
            w_.Prompts.Files = {QString()};
            F().Save1->trigger();
            F().SetLogSaved(false);
            QVERIFY(!Close({Answer::Yes, Answer::No}, {QString()}));
            QCOMPARE(w_.Prompts.ProposedNames, (QStringList{c.inSave, c.onExit}));
        }
        // After a Save the window closes without a question.
        F().SetLogSaved(false);
        w_.Prompts.Files << QStringLiteral("SM5QQQ.log");
        F().Save1->trigger();
        w_.Prompts.Questions.clear();
        QVERIFY(Close({}, {}));
        QVERIFY(w_.Prompts.Questions.isEmpty());
    }

    // A log typed by keys, saved, reopened in a fresh window and continued.
    void typedSavedReopenedAndContinued() {
        TypeInto(F().CallEdit, QStringLiteral("SM5QQQ"));
        Key(Qt::Key_Return);
        ChooseWithKeys(F().ContestBox, SacCw);
        const std::pair<QComboBox*, int> categories[] = {{F().AssistedComboBox, 0},
                                                         {F().BandComboBox, 0},
                                                         {F().OperatorComboBox, 0},
                                                         {F().PowerComboBox, 1},
                                                         {F().OverlayComboBox, 1}};
        for (const auto& [list, entry] : categories) ChooseWithKeys(list, entry);
        TypeInto(F().OperatorsEdit, QStringLiteral("SM5QQQ"));
        for (const char* text : {"Sven Svensson", "Storgatan 1", "123 45 Stad", "Sweden"}) {
            Key(Qt::Key_Return);
            Keys(QLatin1String(text));
        }
        TypeInto(F().EmailEdit, QStringLiteral("sm5qqq@example.org"));
        TypeInto(F().ClubEdit, QStringLiteral("SK0QQ"));
        TypeInto(F().Memo1, QStringLiteral("Fine conditions"));
        Key(Qt::Key_Return);
        Keys(QStringLiteral("73 to all"));
        w_.ClickTab(LogInputPage);

        const struct {
            const char *band, *time, *call, *nr;
        } qsos[] = {
            {"14000", "1150", "DL1ABC", "12"}, {"14000", "1155", "K1AR", "150"},
            {" 7000", "1159", "DL1ABC", "13"}, {" 7000", "1201", "DK2XY", "7"},
            {"14000", "1210", "DL1ABC", "14"}, {" 3500", "1230", "SM6XYZ", "3"},
            {"21000", "1300", "JA1ABC", "88"}, {"28000", "1330", "W1AW", "1234"},
            {" 3500", "1400", "DL5ZZ", "21"},  {"21000", "1405", "KG4AB", "5"},
        };
        for (const auto& q : qsos)
            w_.TypeQso(QLatin1String(q.band), QLatin1String(q.time), QLatin1String(q.call),
                       QLatin1String(q.nr));
        QVERIFY(w_.Prompts.Errors.isEmpty());

        // Mults DL K on 20 m, DL on 40, JA and K (KG4) on 15, K on 10, DL on 80: 7. Points
        // 2 3 2 2, dupe 0, SM not in contest, 3 3 2 3: 20.
        const Lines header{
            "START-OF-LOG: 3.0",
            "CALLSIGN: SM5QQQ",
            "CONTEST: SAC-CW",
            "CATEGORY-ASSISTED: NON-ASSISTED",
            "CATEGORY-BAND: ALL",
            "CATEGORY-MODE: CW",
            "CATEGORY-OPERATOR: SINGLE-OP",
            "CATEGORY-POWER: LOW",
            "CATEGORY-TRANSMITTER: ONE",
            "CATEGORY-OVERLAY: ROOKIE",
            "EMAIL: sm5qqq@example.org",
            std::string("CREATED-BY: ") + ProgramCaption,
            "OPERATORS: SM5QQQ",
            "CLAIMED-SCORE: 140",
            "NAME: Sven Svensson",
            "ADDRESS: Storgatan 1",
            "ADDRESS: 123 45 Stad",
            "ADDRESS: Sweden",
            "CLUB: SK0QQ",
            "SOAPBOX: Fine conditions",
            "SOAPBOX: 73 to all",
        };
        const Lines qsoLines{
            "QSO: 14000 CW 2026-09-20 1150 SM5QQQ        599      1 DL1ABC        599     12",
            "QSO: 14000 CW 2026-09-20 1155 SM5QQQ        599      2 K1AR          599    150",
            "QSO:  7000 CW 2026-09-20 1159 SM5QQQ        599      3 DL1ABC        599     13",
            "QSO:  7000 CW 2026-09-19 1201 SM5QQQ        599      4 DK2XY         599      7",
            "QSO: 14000 CW 2026-09-19 1210 SM5QQQ        599      5 DL1ABC        599     14",
            "QSO:  3500 CW 2026-09-19 1230 SM5QQQ        599      6 SM6XYZ        599      3",
            "QSO: 21000 CW 2026-09-19 1300 SM5QQQ        599      7 JA1ABC        599     88",
            "QSO: 28000 CW 2026-09-19 1330 SM5QQQ        599      8 W1AW          599   1234",
            "QSO:  3500 CW 2026-09-19 1400 SM5QQQ        599      9 DL5ZZ         599     21",
            "QSO: 21000 CW 2026-09-19 1405 SM5QQQ        599     10 KG4AB         599      5",
        };
        Lines expected = header;
        expected.insert(expected.end(), qsoLines.begin(), qsoLines.end());
        expected.push_back("END-OF-LOG:");
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("140"));
        QCOMPARE(Read(QStringLiteral("Last.log")), expected);
        w_.ClickTab(CabrilloLogPage);
        QCOMPARE(F().CabrilloLines(), expected);
        w_.Prompts.Files << QStringLiteral("SM5QQQ.log");
        F().Save1->trigger();
        QCOMPARE(Read(QStringLiteral("SM5QQQ.log")), expected);
        QVERIFY(Close({}, {}));

        const StationData station = F().StationDataFromControls();
        const QString summary = F().ResList->toPlainText();
        std::vector<QsoLog::Row> rows;
        for (int r = 1; r <= 10; ++r) rows.push_back(F().Log().RowAt(r));

        // A later run opens the saved file.
        w_.Form.reset();
        QVERIFY(w_.Open());
        OpenFile(QStringLiteral("SM5QQQ.log"));
        QVERIFY(w_.Prompts.Errors.isEmpty());
        QCOMPARE(F().StationDataFromControls(), station);
        QCOMPARE(F().ResList->toPlainText(), summary);
        QCOMPARE(F().Log().QsoCounter, 11);
        for (int r = 1; r <= 10; ++r) {
            for (int col : {ColMult, ColPoints}) QCOMPARE(F().Log().Cell(r, col), rows[r - 1][col]);
        }
        // The cells come back as the file's columns hold them.
        const QsoLog::Row first{"1",   "14000",  "1150", "599", "     1", "DL1ABC        ",
                                "599", "    12", "DL",   "2"};
        QCOMPARE(F().Log().RowAt(1), first);
        QCOMPARE(F().Log().Cell(6, ColFreq), std::string(" 3500"));
        QCOMPARE(F().NyNrEdit->text(), QStringLiteral("11"));
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("1405"));
        QCOMPARE(F().Label12->text(), QStringLiteral("Scandinavian"));
        QCOMPARE(F().PanelText(CallPanel), QStringLiteral("SM5QQQ"));
        QCOMPARE(F().PanelText(FilePanel),
                 QFileInfo(QStringLiteral("SM5QQQ.log")).absoluteFilePath());
        QCOMPARE(F().CabrilloLines(), expected);
        for (int page : {LogInputPage, CabrilloLogPage, MultListPage})
            QVERIFY(F().PageControl1->isTabVisible(page));
        QVERIFY(QApplication::overrideCursor() == nullptr);

        w_.ClickTab(LogInputPage);
        w_.TypeQso(QStringLiteral("28000"), QStringLiteral("1410"), QStringLiteral("JA1XYZ"),
                   QStringLiteral("33"));
        w_.Prompts.Files << QStringLiteral("SM5QQQ.log");
        F().Save1->trigger();
        expected = WithLine(expected, "CLAIMED-SCORE:", "CLAIMED-SCORE: 184");  // 8 x 23
        expected.insert(
            expected.end() - 1,
            "QSO: 28000 CW 2026-09-19 1410 SM5QQQ        599     11 JA1XYZ        599     33");
        QCOMPARE(Read(QStringLiteral("SM5QQQ.log")), expected);
    }
};

QTEST_MAIN(FilesTest)
#include "FilesTest.moc"
