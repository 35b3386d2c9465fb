// File, Import ADIF... and Export ADIF... with real files in a scratch folder.

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "UiTestSupport.h"
#include "adif/Adif.h"
#include "common/TextFile.h"
#include "ui/support/CoreText.h"

using namespace kerolt;
using namespace kerolt::test;

namespace {

// A general logger's SAC-CW 2019 file: two QSOs in the contest, one a week later.
const std::vector<std::string> LoggerFile{
    "logger<EOH>",
    "<CALL:6>DL1ABC<QSO_DATE:8>20190921<TIME_ON:4>1305<BAND:3>20m<MODE:2>CW<STX:1>1<SRX:2>12"
    "<STATION_CALLSIGN:6>SM5QQQ<EOR>",
    "<CALL:4>K1AR<QSO_DATE:8>20190922<TIME_ON:4>0130<BAND:3>40m<MODE:2>CW<STX:1>2<SRX:3>100<EOR>",
    "<CALL:5>W1ABC<QSO_DATE:8>20190928<TIME_ON:4>1300<BAND:3>40m<MODE:2>CW<EOR>",
};

}  // namespace

class AdifTest : public QObject {
    Q_OBJECT

    Window w_;
    std::optional<ScratchFolder> dir_;

    TForm1& F() { return *w_.Form; }

    // What a refused import must leave alone.
    auto Take() {
        return std::tuple(F().StationDataFromControls(), F().CabrilloLines(), F().Log().RowCount(),
                          F().PanelText(FilePanel), F().LogSaved());
    }

  private slots:
    void init() {
        dir_.emplace();
        QVERIFY(w_.Open());
    }
    void cleanup() {
        w_.Form.reset();
        w_.Prompts = ScriptedPrompts();
        dir_.reset();
    }

    void importAppliesTheFileAsOpenDoes() {
        WriteLines("logger.adi", LoggerFile);
        WriteLines("bad.adi", {"<CALL:9>DL1ABC<EOR>"});
        WriteLines("later.adi", {LoggerFile.back()});
        F().CallEdit->setText(QStringLiteral("SM6AAA"));
        F().SetLogSaved(false);
        // The same question as Open asks over unsaved QSOs; Cancel stops both.
        F().Open1->trigger();
        F().findChild<QAction*>("ImportAdif1")->trigger();
        QCOMPARE(w_.Prompts.Questions.size(), 2);
        QCOMPARE(w_.Prompts.Questions[1], w_.Prompts.Questions[0]);

        const auto before = Take();
        for (const char* refused : {"bad.adi", "missing.adi", "later.adi"}) {
            w_.Prompts.Answers.push_back(Answer::No);
            w_.Prompts.Files << refused;
            F().findChild<QAction*>("ImportAdif1")->trigger();
            QVERIFY2(Take() == before, refused);
        }
        QCOMPARE(w_.Prompts.Errors.size(), 2);

        F().SetLogSaved(true);
        w_.Prompts.Files << "logger.adi";
        F().findChild<QAction*>("ImportAdif1")->trigger();
        QCOMPARE(F().ContestBox->currentText(), QStringLiteral("SAC-CW"));
        QCOMPARE(F().CallEdit->text(), QStringLiteral("SM6AAA"));  // the page's call stays
        QCOMPARE(F().Log().QsoRowCount(), 2);
        QVERIFY(!F().Log().Cell(2, ColPoints).empty());  // scored
        QCOMPARE(F().NyNrEdit->text(), QStringLiteral("3"));
        QCOMPARE(std::ranges::count_if(F().CabrilloLines(),
                                       [](const std::string& l) { return l.starts_with("QSO:"); }),
                 2);
        QVERIFY(!F().LogSaved());
        QCOMPARE(F().PanelText(FilePanel), QFileInfo("logger.adi").absoluteFilePath());
        QCOMPARE(w_.Prompts.Informations.size(), 2);
        QVERIFY(w_.Prompts.Informations[1].contains("W1ABC"));
    }

    void theNextQsoGoesOnFromTheLastTimeTaken() {
        WriteLines("times.adi",
                   {"<CALL:6>DL1ABC<QSO_DATE:8>20190921<TIME_ON:4>1305<BAND:3>20m<MODE:2>CW<SRX:1>"
                    "7<EOR>",
                    "<CALL:4>K1AR<QSO_DATE:8>20190921<TIME_ON:4>2575<BAND:3>20m<MODE:2>CW<SRX:1>"
                    "8<EOR>"});
        w_.Prompts.Files << "times.adi";
        F().findChild<QAction*>("ImportAdif1")->trigger();
        QCOMPARE(F().Log().QsoRowCount(), 1);
        QCOMPARE(w_.Prompts.Informations.size(), 1);
        QVERIFY(w_.Prompts.Informations[0].contains(
            QStringLiteral("QSO 2 (K1AR 20190921 2575): no valid time (HHMM)")));
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("1305"));

        w_.ClickTab(LogInputPage);
        w_.TypeQso(QStringLiteral("14000"), QString(), QStringLiteral("K1AR"), QStringLiteral("8"));
        QCOMPARE(F().Log().QsoRowCount(), 2);
        QCOMPARE(F().Log().Cell(2, ColTime), std::string("1305"));
    }

    void exportWritesBesideTheLog() {
        WriteLines("logger.adi", LoggerFile);
        w_.Prompts.Files << "logger.adi";
        F().findChild<QAction*>("ImportAdif1")->trigger();
        w_.Clock.now = std::chrono::sys_days{std::chrono::year(2019) / 10 / 1};
        const QString out = QFileInfo("logger.adi").absolutePath() + "/SM5QQQ.adi";
        w_.Prompts.Files << out;
        F().findChild<QAction*>("ExportAdif1")->trigger();
        QCOMPARE(w_.Prompts.ProposedNames, QStringList{out});
        const AdifDocument doc = ReadAdif(ReadText(ToCore(out)), "out");
        QCOMPARE(FieldOf(doc.Header, "CREATED_TIMESTAMP"), std::string_view("20191001 000000"));
        QCOMPARE(doc.Records.size(), std::size_t{2});
        QCOMPARE(FieldOf(doc.Records[1], "CALL"), std::string_view("K1AR"));
    }
};

QTEST_MAIN(AdifTest)
#include "AdifTest.moc"
