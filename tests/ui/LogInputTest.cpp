#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "UiTestSupport.h"
#include "common/TextFile.h"
#include "ui/CoreText.h"
#include "ui/QsoGridModel.h"

using namespace kerolt;
using namespace kerolt::test;

namespace {

QColor Background(const QWidget* field) {
    return field->palette().color(QPalette::Base);
}

}  // namespace

// Every test starts on the "Log input" page of SM5QQQ (a Scandinavian entrant) in SAC-CW.
class LogInputTest : public QObject {
    Q_OBJECT

    Window w_;
    std::unique_ptr<QTemporaryDir> dir_;

    TForm1& F() { return *w_.Form; }
    QString Cell(int logRow, int col) { return ToUi(F().Log().Cell(logRow, col)); }
    bool Shown(int page) { return F().PageControl1->isTabVisible(page); }
    void Qso(const QString& call, const QString& nr = QStringLiteral("5")) {
        w_.TypeQso(QStringLiteral("14000"), QStringLiteral("1300"), call, nr);
    }
    QColor WindowColour() { return Background(F().RREdit); }

  private slots:
    void init() {
        // Commits write Last.log into the working directory.
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir_->path()));
        w_.Prompts.Errors.clear();
        QVERIFY(w_.Open());
        w_.StartLog(QStringLiteral("SM5QQQ"));
    }
    void cleanup() { w_.Form.reset(); }

    void firstCommitLeavesTheRowReady() {
        Qso(QStringLiteral("dl1abc"), QStringLiteral("0045"));
        QCOMPARE(F().Log().RowCount(), 3);
        QCOMPARE(F().Log().QsoCounter, 2);
        QCOMPARE(F().NyNrEdit->text(), QStringLiteral("2"));
        const QStringList row{"1", "14000", "1300", "599", "1", "DL1ABC", "599", "45", "DL", "2"};
        for (int col = 0; col < QsoColumnCount; ++col) QCOMPARE(Cell(1, col), row.at(col));
        QCOMPARE(F().SG->currentIndex(), F().GridModel().index(1, ColCall));
        QVERIFY(F().CallWkdInput->hasFocus() && F().CallWkdInput->text().isEmpty());
        QVERIFY(F().NrInput->text().isEmpty() && !F().LogSaved());
        QVERIFY(Shown(CabrilloLogPage) && Shown(MultListPage));
        QCOMPARE(ReadLines("Last.log"), F().CabrilloLines());
        Qso(QStringLiteral("K1AA"));
        QCOMPARE(ReadLines("Last.log"), F().CabrilloLines());
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("10"));
    }

    void enterCommitsOnlyAWholeQso() {
        // No band chosen yet, then a call of two characters, then an emptied number.
        w_.TypeQso(QString(), QStringLiteral("1300"), QStringLiteral("DL1ABC"), "5");
        w_.TypeQso(QStringLiteral("14000"), QStringLiteral("1300"), QStringLiteral("DL"), "5");
        w_.TypeQso(QStringLiteral("14000"), QStringLiteral("1300"), QStringLiteral("DL1ABC"), "\b");
        QCOMPARE(F().Log().RowCount(), 2);
        QVERIFY(F().LogSaved() && !QFile::exists("Last.log") && w_.Prompts.Errors.isEmpty());
    }

    void autoSaveOffWritesNothing() {
        F().AutoSave1->trigger();
        QCOMPARE(F().PanelText(AutoSavePanel), QStringLiteral("AutoSave: Off"));
        Qso(QStringLiteral("DL1ABC"));
        QCOMPARE(F().Log().RowCount(), 3);
        QVERIFY(Shown(CabrilloLogPage) && !Shown(MultListPage) && !QFile::exists("Last.log"));
    }

    void dupeIsMarkedWhileTyped() {
        Qso(QStringLiteral("DL1ABC"));
        Keys(QStringLiteral("DL1ABC"));
        QCOMPARE(Background(F().CallWkdInput), QColor(255, 101, 117));
        QCOMPARE(F().PanelText(EntityPanel), QStringLiteral("DL Fed. Rep. of Germany"));
        Key(Qt::Key_Space);
        Key(Qt::Key_Space);
        QVERIFY(F().CallWkdInput->hasFocus());
        Key(Qt::Key_Escape);
        QVERIFY(F().CallWkdInput->text().isEmpty());
        // Enter goes on to the number all the same, and the dupe is logged.
        Keys(QStringLiteral("DL1ABC"));
        Key(Qt::Key_Return);
        QVERIFY(F().NrInput->hasFocus());
        Keys(QStringLiteral("7\r"));
        QCOMPARE(Cell(2, ColPoints), QStringLiteral("0"));
        QCOMPARE(Background(F().CallWkdInput), WindowColour());
        // Another band is no dupe: Space goes on, Esc comes back.
        Key(Qt::Key_B, Qt::AltModifier);
        Keys(QStringLiteral("DL1ABC"));
        QCOMPARE(Background(F().CallWkdInput), WindowColour());
        Key(Qt::Key_Space);
        QVERIFY(F().NrInput->hasFocus());
        Key(Qt::Key_Escape);
        QVERIFY(F().CallWkdInput->hasFocus());
    }

    void altKeysStepTheBandInPlace() {
        const struct {
            int from;
            Qt::Key key;
            const char* band;
        } cases[] = {{-1, Qt::Key_B, " 3500"},
                     {-1, Qt::Key_V, "28000"},
                     {4, Qt::Key_B, " 3500"},
                     {0, Qt::Key_V, "28000"},
                     {1, Qt::Key_B, "14000"}};
        QVERIFY(Focus(F().TimeEdit));
        for (const auto& c : cases) {
            F().FrekvensEdit->setCurrentIndex(c.from);
            Key(c.key, Qt::AltModifier);
            QCOMPARE(F().FrekvensEdit->currentText(), QLatin1String(c.band));
            QVERIFY(F().TimeEdit->hasFocus() && F().TimeEdit->text() == QStringLiteral("1200"));
            QCOMPARE(Background(F().FrekvensEdit->lineEdit()), WindowColour());
        }
    }

    void pickingABandGoesOnToTheCall() {
        QVERIFY(Focus(F().FrekvensEdit));
        Key(Qt::Key_Down);
        QCOMPARE(F().FrekvensEdit->currentText(), QStringLiteral(" 3500"));
        QVERIFY(F().CallWkdInput->hasFocus());
        QCOMPARE(Background(F().FrekvensEdit->lineEdit()), WindowColour());
    }

    void timeKeysFollowTheFocus() {
        const struct {
            const char* focus;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* expected;
        } cases[] = {{"CallWkdInput", Qt::Key_Up, {}, "0001"},
                     {"SG", Qt::Key_Up, {}, "0000"},
                     {"FrekvensEdit", Qt::Key_Down, {}, "0000"},
                     {"SG", Qt::Key_Minus, Qt::KeypadModifier, "2359"},
                     {"TimeEdit", Qt::Key_Plus, Qt::KeypadModifier, "0001"}};
        for (const auto& c : cases) {
            F().TimeEdit->setText(QStringLiteral("0000"));
            QVERIFY(Focus(F().findChild<QWidget*>(QLatin1String(c.focus))));
            Key(c.key, c.modifiers);
            QCOMPARE(F().TimeEdit->text(), QLatin1String(c.expected));
        }
        F().Realtime1->trigger();
        Key(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("0001"));
    }

    void filtersTakeTypedAndPastedText() {
        const struct {
            const char *field, *typed, *pasted, *expected;
        } cases[] = {{"TimeEdit", "1a2\b3", "4", "1234"},
                     {"NrInput", "1a2\b3", "x9", "139"},
                     {"CallWkdInput", "sm5+ab/p", "oh 2x", "SM5AB/POH2X"}};
        for (const auto& c : cases) {
            auto* edit = F().findChild<QLineEdit*>(QLatin1String(c.field));
            QVERIFY(Focus(edit));
            edit->clear();
            Keys(QLatin1String(c.typed));
            QGuiApplication::clipboard()->setText(QLatin1String(c.pasted));
            Key(Qt::Key_V, Qt::ControlModifier);  // a control character, refused
            edit->paste();
            QCOMPARE(edit->text(), QLatin1String(c.expected));
        }
    }

    void realtimeClockWritesTheLogPageOnly() {
        F().Realtime1->trigger();
        QCOMPARE(F().PanelText(RealtimePanel), QStringLiteral("Realtime: On"));
        QVERIFY(F().Timer1->isActive());
        w_.Clock.time = QTime(9, 7);
        F().Timer1Timer();
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("0907"));
        QCOMPARE(F().DateLabel->text(), QStringLiteral("2026-09-20"));
        w_.ClickTab(DataInputPage);
        w_.Clock.time = QTime(13, 0);
        F().Timer1Timer();
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("0907"));
    }

    void deletedRowIsReused() {
        Qso(QStringLiteral("DL1ABC"));
        Qso(QStringLiteral("K1AA"));
        F().Deletelastrow1->trigger();
        QCOMPARE(F().Log().RowCount(), 3);
        QCOMPARE(F().NyNrEdit->text(), QStringLiteral("2"));
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("2"));
        Qso(QStringLiteral("JA1AA"));
        QCOMPARE(Cell(2, ColRow) + Cell(2, ColNrSent) + Cell(2, ColCall),
                 QStringLiteral("22JA1AA"));
        // A sent number that is no number counts as 0, and the log is still re-scored.
        F().NyNrEdit->clear();
        F().Deletelastrow1->trigger();
        QCOMPARE(F().NyNrEdit->text(), QStringLiteral("1"));
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("2"));
        F().Deletelastrow1->trigger();
        F().Deletelastrow1->trigger();
        QCOMPARE(F().Log().RowCount(), 2);
        QCOMPARE(F().Log().QsoCounter, 1);
    }

    void callEditedInTheGridIsRescoredOnLeaving() {
        Qso(QStringLiteral("DL1ABC"));
        Qso(QStringLiteral("DL2ABC"));
        QVERIFY(Focus(F().SG));
        F().SG->setCurrentIndex(F().GridModel().index(1, ColCall));
        // Each key to the control that has the focus: the first one opens the cell editor.
        for (const QChar c : QStringLiteral("k1aa")) Keys(c);
        QCOMPARE(Cell(2, ColPoints), QStringLiteral("2"));
        QVERIFY(Focus(F().CallWkdInput));
        QCOMPARE(Cell(2, ColCall) + Cell(2, ColMult) + Cell(2, ColPoints),
                 QStringLiteral("K1AAK3"));
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("10"));
    }

    void emptySentNumberLogsNothing() {
        F().NyNrEdit->clear();
        Qso(QStringLiteral("DL1ABC"));
        QCOMPARE(w_.Prompts.Errors, QStringList{"'' is not a valid integer value"});
        QCOMPARE(F().Log().RowCount(), 2);
        QCOMPARE(F().CallWkdInput->text(), QStringLiteral("DL1ABC"));
        QVERIFY(F().LogSaved() && !QFile::exists("Last.log"));
    }

    void failedBackupKeepsTheQso() {
        QVERIFY(QDir().mkdir("Last.log"));
        Qso(QStringLiteral("DL1ABC"));
        QCOMPARE(w_.Prompts.Errors, QStringList{"Cannot create file Last.log"});
        QCOMPARE(F().Log().RowCount(), 3);
        QVERIFY(!F().LogSaved() && !Shown(MultListPage));
    }

    void ctrlPageKeysInTheBandListChangeThePage() {
        Qso(QStringLiteral("DL1ABC"));
        QVERIFY(Focus(F().FrekvensEdit));
        Key(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(F().PageControl1->currentIndex(), int(CabrilloLogPage));
        QCOMPARE(F().FrekvensEdit->currentText(), QStringLiteral("14000"));
    }

    void lowerCaseContestSelectsItsEntry() {
        w_.ClickTab(DataInputPage);
        QVERIFY(Focus(F().ContestBox));
        F().ContestBox->lineEdit()->selectAll();
        Keys(QStringLiteral("sac-ssb"));
        QCOMPARE(F().ContestBox->currentIndex(), 1);
        QCOMPARE(F().ContestBox->currentText(), QStringLiteral("SAC-SSB"));
    }
};

QTEST_MAIN(LogInputTest)
#include "LogInputTest.moc"
