// Open, Save and the question before the window closes, with real files in a scratch folder.

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "UiTestSupport.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/TextFile.h"
#include "common/Version.h"
#include "tests/cabrillo/CabrilloTestSupport.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"

using namespace kerolt;
using namespace kerolt::test;

namespace {

using Lines = std::vector<std::string>;

// An SM entrant's SAC-CW 2019 log as the program writes it: both days of the contest, a dupe,
// and a Scandinavian station that is not in the contest. Its claimed score line is stale.
Lines SampleLog() {
    const QsoLog log = testing::LogOf({
        testing::QsoRow("14000", "1305", "599", "     1", "DL1ABC        ", "599", "    12"),
        testing::QsoRow(" 7000", "1410", "599", "     2", "K1AR          ", "599", "   100"),
        testing::QsoRow("14000", "0130", "599", "     3", "DL1ABC        ", "599", "    13"),
        testing::QsoRow(" 3500", "0200", "599", "     4", "SM6XYZ        ", "599", "     5"),
    });
    return BuildCabrilloLog(testing::SampleStation(SacCw), log, "2019-09-21");
}

// Each edit replaces the line starting with its key.
Lines Edited(Lines lines, std::initializer_list<std::pair<std::string, std::string>> edits) {
    for (const auto& edit : edits)
        *std::ranges::find_if(
            lines, [&](const std::string& l) { return l.starts_with(edit.first); }) = edit.second;
    return lines;
}

QString Write(const QString& name, const Lines& lines) {
    WriteLines(ToCore(name), lines);
    return name;
}

const std::map<char, Answer> AnswerKeys{
    {'Y', Answer::Yes}, {'N', Answer::No}, {'C', Answer::Cancel}};

// What an Open must leave alone when it fails.
auto Take(TForm1& f) {
    std::vector<QsoLog::Row> rows;
    for (int r = 0; r < f.Log().RowCount(); ++r) rows.push_back(f.Log().RowAt(r));
    return std::tuple(f.StationDataFromControls(), f.CabrilloLines(), rows,
                      f.ResList->toPlainText(), f.PanelText(FilePanel), f.NyNrEdit->text(),
                      f.TimeEdit->text(), f.State().ContestDate);
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

    Window w_;
    std::optional<ScratchFolder> dir_;

    TForm1& F() { return *w_.Form; }

    // Opens name, saying No when a changed log is offered a save first.
    void OpenFile(const QString& name) {
        F().RebuildCabrilloLog();
        if (!F().LogSaved())
            w_.Prompts.Answers.push_back(Answer::No);
        w_.Prompts.Files << name;
        F().Open1->trigger();
    }

    // Queues the answers to questions ("Y", "N", "C" each) and file dialogs (names apart by
    // spaces, "-" cancels).
    void Script(std::string_view answers, const QString& files) {
        for (const char a : answers) w_.Prompts.Answers.push_back(AnswerKeys.at(a));
        for (const QString& file : files.split(' ', Qt::SkipEmptyParts))
            w_.Prompts.Files << (file == "-" ? QString() : file);
    }

    // A fresh window in the same folder.
    void Restart() {
        w_.Form.reset();
        w_.Prompts = ScriptedPrompts();
        QVERIFY(w_.Open());
    }

    // A log opened, then changed on screen: what the next Open must keep or replace.
    void OpenedAndChanged() {
        Restart();
        OpenFile(Write("first.log", SampleLog()));
        w_.ClickTab(LogInputPage);
        QCOMPARE(F().State().ContestDate, std::string("2019-09-21"));  // the opened log's year
        // DL and K on 2 + 3 points; the last QSO, SM, is not in the contest and scores nothing.
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("10"));
        F().PageControl1->setTabVisible(MultListPage, false);
        F().State().ContestDate = "2001-01-01";
        F().NyNrEdit->setText(QStringLiteral("77"));
        F().TimeEdit->setText(QStringLiteral("0999"));
        F().ClubEdit->setText(QStringLiteral("KEEP"));
        SelectEntry(F().OverlayComboBox, 1);
        // Only what Open does is asked here, not whether it asks first.
        F().RebuildCabrilloLog();
        F().SetLogSaved(true);
    }

  private slots:
    void init() {
        dir_.emplace();
        Restart();
    }
    void cleanup() {
        w_.Form.reset();
        dir_.reset();
    }

    void failedOpenChangesNothing() {
        const std::pair<const char*, QString> cases[] = {
            {"dialog cancelled", QString()},
            {"missing file", QStringLiteral("missing.log")},
            {"refused file",
             Write("old.log", Edited(SampleLog(), {{"START", "START-OF-LOG: 2.0"}}))},
        };
        for (const auto& [what, file] : cases) {
            OpenedAndChanged();
            const auto before = Take(F());
            OpenFile(file);
            QVERIFY2(Take(F()) == before, what);
            QVERIFY2(w_.Prompts.Errors.size() == (file.isNull() ? 0 : 1), what);
            QVERIFY2(QApplication::overrideCursor() == nullptr, what);
        }
    }

    void openTakesWhatTheFileHolds() {
        Lines file = Edited(SampleLog(), {{"CATEGORY-POWER:", "CATEGORY-POWER: qrp"},
                                          {"CATEGORY-BAND:", "CATEGORY-BAND: 160M"},
                                          {"CLUB:", "ORG: X"},
                                          {"CONTEST:", "CONTEST: SAC-RTTY"},
                                          {"CALLSIGN:", "CALLSIGN: AB"}});
        std::erase_if(file, [](const std::string& l) { return l.starts_with("QSO:"); });
        OpenedAndChanged();
        OpenFile(Write("header.log", file));
        QVERIFY(w_.Prompts.Errors.isEmpty() && QApplication::overrideCursor() == nullptr);
        // The log emptied, its date and counters kept.
        QVERIFY(F().Log().RowCount() == 2 && F().Log().QsoCounter == 1 &&
                F().State().ContestDate == "2001-01-01");
        QCOMPARE(F().NyNrEdit->text() + F().TimeEdit->text(), QStringLiteral("770999"));
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("0"));
        // An entry in other letter case is selected, a value that is none selects none (also
        // the contest), an empty overlay the empty entry; another station's log empties a field
        // whose key it lacks.
        QCOMPARE(F().PowerComboBox->currentText(), QStringLiteral("QRP"));
        QVERIFY(F().BandComboBox->currentIndex() == -1 && F().BandComboBox->currentText() == "");
        QCOMPARE(F().ContestBox->currentIndex(), -1);
        QCOMPARE(F().OverlayComboBox->currentIndex(), 0);
        QCOMPARE(F().ClubEdit->text(), QStringLiteral(""));
        // No contest chosen and a short callsign do not hide the page shown.
        QCOMPARE(F().PageControl1->currentIndex(), int(LogInputPage));
        for (int page : {LogInputPage, MultListPage}) QVERIFY(F().PageControl1->isTabVisible(page));
    }

    // QSO lines are taken wherever they stand after line 1; the ones that cannot be read are
    // named in one message and the rest of the log opens.
    void openNamesTheLinesNotTaken() {
        Lines file = SampleLog();
        const auto qsos = std::count_if(file.begin(), file.end(),
                                        [](const std::string& l) { return l.starts_with("QSO:"); });
        file.insert(file.begin() + 2, *std::find_if(file.begin(), file.end(), [](const auto& l) {
                        return l.starts_with("QSO:");
                    }));
        file.insert(file.end() - 1, "QSO: 7000 CW");
        OpenFile(Write("lines.log", file));
        QCOMPARE(F().Log().QsoRowCount(), int(qsos) + 1);
        QCOMPARE(w_.Prompts.Informations.size(), 1);
        const QString named = QStringLiteral("line %1: no date").arg(file.size() - 1);
        QVERIFY2(w_.Prompts.Informations[0].contains(named),
                 qPrintable(w_.Prompts.Informations[0]));
        // A save over the file would lose the line: the log opens changed, and says so.
        QVERIFY(w_.Prompts.Informations[0].contains(QStringLiteral("Saving over the file")));
        QVERIFY(!F().LogSaved() && F().isWindowModified());
    }

    // Another logger's UTF-8 file: the name shows its letters, the station list its entry, the
    // X-QSO line is told of and saved again.
    void openReadsUtf8StationListAndXQso() {
        Lines file = Edited(SampleLog(), {{"NAME:", "NAME: Bj\xC3\xB6rn \xC3\x85str\xC3\xB6m"}});
        file.insert(file.begin() + 5, "category-station: portable");
        file.insert(file.end() - 1, "X-QSO: 14000 CW 2019-09-21 1306 SM5QQQ 599 9 W1AW 599 9");
        OpenFile(Write("utf8.log", file));
        QCOMPARE(F().NameEdit->text(), QStringLiteral("Bj\u00F6rn \u00C5str\u00F6m"));
        QCOMPARE(F().StationComboBox->currentText(), QStringLiteral("PORTABLE"));
        QCOMPARE(w_.Prompts.Informations.size(), 1);
        QVERIFY(w_.Prompts.Informations[0].contains(QStringLiteral("1 X-QSO line is kept")));
        w_.Prompts.Files << "saved.log";
        F().Save1->trigger();
        const Lines saved = ReadLines("saved.log");
        QVERIFY(std::ranges::count(saved, std::string("CATEGORY-STATION: PORTABLE")) == 1);
        QCOMPARE(saved[saved.size() - 2], file[file.size() - 2]);
        QVERIFY(std::ranges::count(saved, std::string("NAME: Bj\xF6rn \xC5str\xF6m")) == 1);
    }

    // A value the file's entrant may choose opens selected, whatever class the lists were set
    // up for before.
    void openSelectsWhatTheEntrantMayChoose() {
        const struct {
            const char *before, *call, *line;
            QComboBox* list;
        } cases[] = {
            {"SM5QQQ", "DL1QQQ", "CATEGORY-BAND: LOW-BAND", F().BandComboBox},
            {"DL1QQQ", "SM5QQQ", "CATEGORY-OVERLAY: WIRE-ONLY", F().OverlayComboBox},
        };
        for (const auto& c : cases) {
            Focus(F().CallEdit);
            F().CallEdit->selectAll();
            Keys(QString::fromLatin1(c.before));
            Focus(F().OperatorsEdit);
            const std::string line = c.line;
            const std::string key = line.substr(0, line.find(' '));
            OpenFile(Write("categories.log",
                           Edited(SampleLog(), {{"CALLSIGN:", std::string("CALLSIGN: ") + c.call},
                                                {key, line}})));
            QCOMPARE(c.list->currentText(), QString::fromLatin1(line.substr(key.size() + 1)));
            QVERIFY(c.list->currentIndex() >= 0);
        }
    }

    // Unsaved QSOs are offered a save before the window closes or another log replaces
    // them. Save proposes no name for a short callsign, the question always one.
    void questionBeforeUnsavedQsosGo() {
        const struct {
            const char *what, *call, *answers;
            QString files;
            bool opening, done;    // Open, else Exit; the other log opened, or the window closed
            int asked;             // the first question, then "Quit without Saving?"; 0: saved
            const char* proposed;  // by the save dialog; out.log, when given, is written
        } cases[] = {
            {"a saved log closes without a question", "OH2BH", "", "", false, true, 0, ""},
            {"No closes without saving", "OH2BH", "N", "", false, true, 1, ""},
            {"Cancel stays", "OH2BH", "C", "", false, false, 1, ""},
            {"Yes saves and closes", "OH2BH", "Y", "out.log", false, true, 1, "OH2BH.log"},
            {"no name, then quit", "AB", "YY", "-", false, true, 2, "AB.log"},
            {"no name, then stay", "SM5QQQ/P", "YN", "-", false, false, 2, "SM5QQQ-P.log"},
            {"a failed save stays", "OH2BH", "Y", "no/such/dir.log", false, false, 1, "OH2BH.log"},
            {"No opens", "OH2BH", "N", "sample.log", true, true, 1, ""},
            {"Cancel stops", "OH2BH", "C", "", true, false, 1, ""},
            {"Yes, saved, opens", "SM5QQQ/P", "Y", "out.log sample.log", true, true, 1,
             "SM5QQQ-P.log"},
            {"Yes and no name chosen stops", "AB", "Y", "-", true, false, 1, "AB.log"},
        };
        for (const auto& c : cases) {
            cleanup();
            init();
            Write("sample.log", SampleLog());
            F().CallEdit->setText(QLatin1String(c.call));
            F().SetLogSaved(c.asked == 0);
            Script(c.answers, c.files);
            if (c.opening)
                F().Open1->trigger();
            const bool done = c.opening ? F().CallEdit->text() == "SM5QQQ" : F().close();
            const char* first = c.opening ? "Do you want to save the log before opening another?"
                                          : "Do you want to save the log before exit?";
            const QStringList asked{first, "Quit without Saving?"};
            QVERIFY2(done == c.done && w_.Prompts.Questions == asked.mid(0, c.asked), c.what);
            // A log just opened is in its file: saved, whatever became of the one before.
            QVERIFY2(F().LogSaved() ==
                         (c.asked == 0 || QFileInfo::exists("out.log") || (c.opening && c.done)),
                     c.what);
            QVERIFY2(w_.Prompts.ProposedNames.join('|') == c.proposed, c.what);
            QVERIFY2(QFileInfo::exists("out.log") == c.files.startsWith("out.log"), c.what);
            QVERIFY2(w_.Prompts.Errors.size() == (c.files.startsWith("no/") ? 1 : 0), c.what);
        }
    }

    void openedLogKeepsItsYear() {
        // The edition chosen still decides the date, in the opened log's year.
        OpenFile(Write("sample.log", SampleLog()));
        ChooseWithKeys(F().ContestBox, SacSsb);
        w_.ClickTab(LogInputPage);
        QCOMPARE(F().State().ContestDate, std::string("2019-10-12"));
    }

    // An opened log scores by its own year: a received 000 scores before 2018 only.
    void openedLogScoresByItsYear() {
        const QsoLog log = testing::LogOf(
            {testing::QsoRow("14000", "1305", "599", "     1", "DL1ABC        ", "599", "     0")});
        for (const auto& [date, points] : {std::pair("2017-09-16", "2"), {"2019-09-21", "0"}}) {
            OpenFile(Write("zero.log", BuildCabrilloLog(testing::SampleStation(SacCw), log, date)));
            QCOMPARE(F().Log().Cell(1, ColPoints), std::string(points));
        }
    }

    // Another station's log takes nothing of the page's station: DL1ABC's page, then a log whose
    // header gives only CALLSIGN and CONTEST. The same call, or none, keeps the page.
    void anotherStationsLogCarriesNothingOn() {
        const struct {
            const char* call;   // the file's CALLSIGN; null: no such line
            const char* shown;  // operators, name, power, band, overlay
        } cases[] = {
            {"DL1ABC", "DL1ABC|Hans Meier|HIGH|ALL|"},
            {"dl1abc", "DL1ABC|Hans Meier|HIGH|ALL|"},
            {nullptr, "DL1ABC|Hans Meier|HIGH|ALL|"},
            // A European entrant all the same: its class gives the band.
            {"DL1ABC/P", "||Category-Power|ALL|"},
            {"SM5QQQ", "||Category-Power|Category-Band|Category-Overlay"},
        };
        for (const auto& c : cases) {
            cleanup();
            init();
            TypeInto(F().CallEdit, QStringLiteral("DL1ABC"));
            TypeInto(F().OperatorsEdit, QStringLiteral("DL1ABC"));
            TypeInto(F().NameEdit, QStringLiteral("Hans Meier"));
            ChooseWithKeys(F().PowerComboBox, 0);
            ChooseWithKeys(F().ContestBox, SacCw);
            Lines file{"START-OF-LOG: 3.0", "CONTEST: SAC-SSB", "CREATED-BY: another logger",
                       "QSO: 14000 PH 2019-10-12 1305 SM5QQQ        59      1 K1AR          59 "
                       "     5",
                       "END-OF-LOG:"};
            if (c.call)
                file.insert(file.begin() + 1, std::string("CALLSIGN: ") + c.call);
            OpenFile(Write("other.log", file));
            const QStringList shown{
                F().OperatorsEdit->text(), F().NameEdit->text(), F().PowerComboBox->currentText(),
                F().BandComboBox->currentText(), F().OverlayComboBox->currentText()};
            QCOMPARE(shown.join('|'), QLatin1String(c.shown));
            QCOMPARE(F().ContestBox->currentText(), QStringLiteral("SAC-SSB"));
            // Save and Export write what the page shows, nothing of the station before.
            Script("", "saved.log saved.adi");
            F().Save1->trigger();
            F().findChild<QAction*>("ExportAdif1")->trigger();
            const QString saved = ToUi(ReadLines("saved.log")).join('\n');
            const QString exported = ToUi(ReadLines("saved.adi")).join('\n');
            const bool kept = c.shown[0] != '|';
            QVERIFY2(saved.contains("NAME: Hans Meier") == kept, c.shown);
            QVERIFY2(saved.contains("CATEGORY-POWER: HIGH") == kept, c.shown);
            QVERIFY2(exported.contains("<OPERATOR:6>DL1ABC") == kept, c.shown);
        }
    }

    // Open and Import ADIF give the entry row the contest's reports; a contest that is none
    // keeps them. The next QSO is logged with them.
    void openSetsTheContestsReports() {
        w_.StartLog(QStringLiteral("SM5QQQ"));
        const std::pair<const char*, const char*> cases[] = {
            {"SAC-SSB", "59"}, {"SAC-RTTY", "59"}, {"SAC-CW", "599"}, {"SAC-SSB", "59"}};
        for (const auto& [contest, report] : cases) {
            OpenFile(
                Write("reports.log",
                      Edited(SampleLog(), {{"CONTEST:", std::string("CONTEST: ") + contest}})));
            QCOMPARE(F().TREdit->text() + ' ' + F().RREdit->text(),
                     QLatin1String(report) + ' ' + QLatin1String(report));
        }
        w_.TypeQso(QStringLiteral("14000"), QStringLiteral("1300"), QStringLiteral("K1AA"), "5");
        QCOMPARE(F().Log().Cell(5, ColRstSent) + F().Log().Cell(5, ColRstRcvd),
                 std::string("5959"));

        Script("N", QString());  // the QSO typed is not saved
        OpenFile(Write("reports.log", SampleLog()));
        QCOMPARE(F().TREdit->text(), QStringLiteral("599"));
        w_.Prompts.Files << Write("ssb.adi", {"<EOH>",
                                              "<CALL:4>K1AR<QSO_DATE:8>20191012<TIME_ON:4>1305"
                                              "<BAND:3>20m<MODE:3>SSB<SRX:1>5<CONTEST_ID:7>SAC-SSB"
                                              "<EOR>"});
        F().findChild<QAction*>("ImportAdif1")->trigger();
        QCOMPARE(F().Log().QsoRowCount(), 1);
        QCOMPARE(F().TREdit->text() + ' ' + F().RREdit->text(), QStringLiteral("59 59"));
    }

    // The date beside the time follows the opened log even when its last time is the one shown.
    void openShowsTheOpenedLogsDate() {
        w_.StartLog(QStringLiteral("SM5QQQ"));
        F().TimeEdit->setText(QStringLiteral("0200"));
        OpenFile(Write("dated.log", SampleLog()));
        QCOMPARE(F().TimeEdit->text() + ' ' + F().DateLabel->text(),
                 QStringLiteral("0200 2019-09-22"));
    }

    // A log just opened from its file is saved as far as the question goes; an Open that opened
    // nothing leaves the question for the log still shown.
    void openedLogCountsAsSaved() {
        const struct {
            const char* files;
            bool saved;
        } cases[] = {{"sample.log", true}, {"-", false}, {"old.log", false}};
        for (const auto& c : cases) {
            cleanup();
            init();
            Write("sample.log", SampleLog());
            Write("old.log", Edited(SampleLog(), {{"START", "START-OF-LOG: 2.0"}}));
            F().SetLogSaved(false);
            Script("N", QLatin1String(c.files));
            F().Open1->trigger();
            QVERIFY2(F().LogSaved() == c.saved, c.files);
            // The next Open asks only about a log nobody saved.
            Script("C", QString());
            F().Open1->trigger();
            QVERIFY2(w_.Prompts.Questions.size() == (c.saved ? 1 : 2), c.files);
        }
    }

    // Export ADIF without a callsign or without QSOs says so and writes nothing.
    void exportNeedsACallsignAndQsos() {
        const struct {
            const char* call;
            bool qsos;
            const char* told;
        } cases[] = {
            {"", true, "The log has no callsign: type it on the \"Data input\" page, then export."},
            {"SM5QQQ", false, "The log has no QSOs: there is nothing to export."},
            {"SM5QQQ", true, nullptr},
        };
        for (const auto& c : cases) {
            cleanup();
            init();
            if (c.qsos)
                OpenFile(Write("sample.log", SampleLog()));
            F().CallEdit->setText(QLatin1String(c.call));
            Script("", "out.adi");
            F().findChild<QAction*>("ExportAdif1")->trigger();
            const QStringList told = c.told ? QStringList{QLatin1String(c.told)} : QStringList();
            QCOMPARE(w_.Prompts.Informations, told);
            QCOMPARE(QFileInfo::exists("out.adi"), c.told == nullptr);
            QCOMPARE(w_.Prompts.ProposedNames.size(), c.told ? 0 : 1);
        }
    }

    // A log typed by keys, saved, reopened in a fresh window and continued.
    void typedSavedReopenedAndContinued() {
        TypeInto(F().CallEdit, QStringLiteral("SM5QQQ"));
        Key(Qt::Key_Return);
        ChooseWithKeys(F().ContestBox, SacCw);
        for (QComboBox* list : {F().AssistedComboBox, F().BandComboBox, F().OperatorComboBox})
            ChooseWithKeys(list, 0);
        for (QComboBox* list : {F().PowerComboBox, F().OverlayComboBox}) ChooseWithKeys(list, 1);
        TypeInto(F().OperatorsEdit, QStringLiteral("SM5QQQ"));
        for (const char* text : {"Sven Svensson", "Storgatan 1", "123 45 Stad", "Sweden"}) {
            Key(Qt::Key_Return);
            Keys(QLatin1String(text));
        }
        TypeInto(F().EmailEdit, QStringLiteral("sm5qqq@example.org"));
        TypeInto(F().ClubEdit, QStringLiteral("SK0QQ"));
        TypeInto(F().Memo1, QStringLiteral("Fine conditions\r73 to all"));
        w_.ClickTab(LogInputPage);

        // Typed from the lines they must give. Mults DL K on 20 m, DL on 40, JA and K (KG4) on
        // 15, K on 10, DL on 80: 7. Points 2 3 2 2, dupe 0, SM not in contest, 3 3 2 3: 20.
        const Lines qsos{
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
            "QSO: 28000 CW 2026-09-19 1410 SM5QQQ        599     11 JA1XYZ        599     33",
        };
        const auto type = [&](const std::string& line) {
            const QStringList f = ToUi(line).split(' ', Qt::SkipEmptyParts);
            w_.TypeQso(f[1].rightJustified(5), f[4], f[8], f[10]);
        };
        std::for_each(qsos.begin(), qsos.end() - 1, type);
        QVERIFY(w_.Prompts.Errors.isEmpty());

        Lines expected = SplitLines(
            "START-OF-LOG: 3.0\nCALLSIGN: SM5QQQ\nCONTEST: SAC-CW\n"
            "CATEGORY-ASSISTED: NON-ASSISTED\nCATEGORY-BAND: ALL\nCATEGORY-MODE: CW\n"
            "CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-POWER: LOW\nCATEGORY-TRANSMITTER: ONE\n"
            "CATEGORY-OVERLAY: ROOKIE\nEMAIL: sm5qqq@example.org\nCREATED-BY: " +
            std::string(ProgramCaption) +
            "\nOPERATORS: SM5QQQ\nCLAIMED-SCORE: 140\nNAME: Sven Svensson\n"
            "ADDRESS: Storgatan 1\nADDRESS: 123 45 Stad\nADDRESS: Sweden\nCLUB: SK0QQ\n"
            "SOAPBOX: Fine conditions\nSOAPBOX: 73 to all\nEND-OF-LOG:");
        expected.insert(expected.end() - 1, qsos.begin(), qsos.end() - 1);
        w_.ClickTab(CabrilloLogPage);
        QCOMPARE(F().CabrilloLines(), expected);
        w_.Prompts.Files << "SM5QQQ.log";
        F().Save1->trigger();
        for (const char* file : {"Last.log", "SM5QQQ.log"}) QCOMPARE(ReadLines(file), expected);
        QVERIFY(F().close());  // saved: no question

        const StationData station = F().StationDataFromControls();
        const QString summary = F().ResList->toPlainText();
        std::vector<QsoLog::Row> rows;
        for (int r = 1; r <= 10; ++r) rows.push_back(F().Log().RowAt(r));

        // A later run opens the saved file.
        Restart();
        OpenFile("SM5QQQ.log");
        QCOMPARE(F().StationDataFromControls(), station);
        QCOMPARE(F().ResList->toPlainText(), summary);
        QCOMPARE(F().Log().QsoCounter, 11);
        for (int r = 1; r <= 10; ++r)
            for (int col : {ColMult, ColPoints}) QCOMPARE(F().Log().Cell(r, col), rows[r - 1][col]);
        // The cells come back as the file's columns hold them.
        const QsoLog::Row first{"1",   "14000",  "1150", "599", "     1", "DL1ABC        ",
                                "599", "    12", "DL",   "2"};
        QCOMPARE(F().Log().RowAt(1), first);
        QCOMPARE(F().Log().Cell(6, ColFreq), std::string(" 3500"));
        QCOMPARE(F().NyNrEdit->text() + F().TimeEdit->text(), QStringLiteral("111405"));
        QCOMPARE(F().Label12->text() + ' ' + F().PanelText(CallPanel), "Scandinavian SM5QQQ");
        QCOMPARE(F().PanelText(FilePanel), QFileInfo("SM5QQQ.log").absoluteFilePath());
        QCOMPARE(F().CabrilloLines(), expected);
        for (int page : {LogInputPage, CabrilloLogPage, MultListPage})
            QVERIFY(F().PageControl1->isTabVisible(page));

        w_.ClickTab(LogInputPage);
        type(qsos.back());
        w_.Prompts.Files << "SM5QQQ.log";
        F().Save1->trigger();
        expected = Edited(expected, {{"CLAIMED-SCORE:", "CLAIMED-SCORE: 184"}});  // 8 x 23
        expected.insert(expected.end() - 1, qsos.back());
        QCOMPARE(ReadLines("SM5QQQ.log"), expected);
    }
};

QTEST_MAIN(FilesTest)
#include "FilesTest.moc"
