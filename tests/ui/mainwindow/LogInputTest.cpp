#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <array>
#include <tuple>

#include "UiTestSupport.h"
#include "common/TextFile.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/ComboLists.h"
#include "ui/widgets/QsoGridModel.h"

using namespace kerolt;
using namespace kerolt::test;

// Every test starts on the "Log input" page of SM5QQQ (a Scandinavian entrant) in SAC-CW.
class LogInputTest : public QObject {
    Q_OBJECT

    Window w_;
    std::optional<ScratchFolder> dir_;  // commits write Last.log into the working directory

    TForm1& F() { return *w_.Form; }
    QString Cell(int logRow, int col) { return ToUi(F().Log().Cell(logRow, col)); }
    bool Shown(int page) { return F().PageControl1->isTabVisible(page); }
    QString Verdict() { return F().findChild<QLabel*>(QStringLiteral("VerdictLabel"))->text(); }
    void Qso(const QString& call, const QString& nr = QStringLiteral("5")) {
        w_.TypeQso(QStringLiteral("14000"), QStringLiteral("1300"), call, nr);
    }
    QColor Background(const QWidget* field) { return field->palette().color(QPalette::Base); }
    QColor WindowColour() { return Background(F().RREdit); }

  private slots:
    void init() {
        dir_.emplace();
        w_.Prompts.Errors.clear();
        QVERIFY(w_.Open());
        w_.StartLog(QStringLiteral("SM5QQQ"));
    }
    void cleanup() { w_.Form.reset(); }

    void firstCommitLeavesTheRowReady() {
        Qso(QStringLiteral("dl1abc"), QStringLiteral("0045"));
        QVERIFY(F().Log().RowCount() == 3 && F().Log().QsoCounter == 2);
        QCOMPARE(F().NyNrEdit->text(), QStringLiteral("2"));
        const QStringList row{"1", "14000", "1300", "599", "1", "DL1ABC", "599", "45", "DL", "2"};
        for (int col = 0; col < QsoColumnCount; ++col) QCOMPARE(Cell(1, col), row.at(col));
        QCOMPARE(F().SG->currentIndex(), F().GridModel().index(1, ColCall));
        QVERIFY(F().CallWkdInput->hasFocus() && F().CallWkdInput->text().isEmpty());
        QVERIFY(F().NrInput->text().isEmpty() && !F().LogSaved());
        QVERIFY(Shown(CabrilloLogPage) && Shown(MultListPage));
        // A report the check will refuse is logged as typed, and said in the entity panel.
        F().RREdit->setText(QStringLiteral("999"));
        Qso(QStringLiteral("K1AA"));
        QCOMPARE(ReadLines("Last.log"), F().CabrilloLines());
        QVERIFY(F().Log().QsoCounter == 3 && F().PanelText(EntityPanel).contains("\"999\""));
    }

    // The grid on the screen is the grid as drawn afresh after a QSO is logged or the last one
    // taken away: below, at and past the rows the grid shows without scrolling.
    void gridOnScreenAsDrawn_data() {
        QTest::addColumn<int>("qsos");
        QTest::addColumn<bool>("takeLast");
        QTest::newRow("empty log, commit") << 0 << false;
        QTest::newRow("11 QSOs, commit") << 11 << false;
        QTest::newRow("12 QSOs, commit") << 12 << false;
        QTest::newRow("13 QSOs, commit") << 13 << false;
        QTest::newRow("20 QSOs, commit") << 20 << false;
        QTest::newRow("1 QSO, last taken away") << 1 << true;
        QTest::newRow("12 QSOs, last taken away") << 12 << true;
        QTest::newRow("13 QSOs, last taken away") << 13 << true;
        QTest::newRow("20 QSOs, last taken away") << 20 << true;
    }
    void gridOnScreenAsDrawn() {
        QFETCH(int, qsos);
        QFETCH(bool, takeLast);
        for (int i = 0; i < qsos; ++i) Qso(QStringLiteral("DL%1ABC").arg(i));
        QApplication::processEvents();
        if (takeLast)
            F().Deletelastrow1Click();
        else
            Qso(QStringLiteral("K1AA"));
        QTest::qWait(20);
        const QPoint at = F().SG->mapTo(&F(), QPoint(0, 0));
        const QImage screen = QGuiApplication::primaryScreen()
                                  ->grabWindow(F().winId(), at.x(), at.y(), F().SG->width(),
                                               F().SG->height())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen, F().SG->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // The verdict follows the call and the received number as they are typed.
    void verdictWhileTyping() {
        Qso(QStringLiteral("DL1ABC"));
        TypeInto(F().CallWkdInput, QStringLiteral("K1AB"));
        QCOMPARE(Verdict(), QStringLiteral("NEW MULT K"));
        Key(Qt::Key_Return);
        Keys(QStringLiteral("000"));
        QCOMPARE(Verdict(), QStringLiteral("0 pts: received 000"));
        Key(Qt::Key_Return);
        QVERIFY(Cell(2, ColPoints) == "0" && Verdict().isEmpty());
    }

    // The received number starts empty: the verdict speaks of the call alone until a number
    // is typed, and Enter, Enter logs nothing.
    void noReceivedNumberUntilTyped() {
        QVERIFY(F().NrInput->text().isEmpty());
        Key(Qt::Key_B, Qt::AltModifier);
        const std::pair<const char*, const char*> cases[] = {
            {"", "NEW MULT K"}, {"0", "0 pts: received 000"}, {"1", "NEW MULT K"}};
        for (const auto& [nr, verdict] : cases) {
            F().NrInput->setText(QLatin1String(nr));
            TypeInto(F().CallWkdInput, QStringLiteral("K1AB"));
            QCOMPARE(Verdict(), QLatin1String(verdict));
            F().CallWkdInput->clear();
        }
        F().NrInput->clear();
        TypeInto(F().CallWkdInput, QStringLiteral("K1AB"));
        Keys(QStringLiteral("\r\r"));
        QVERIFY(F().Log().RowCount() == 2 && F().NrInput->hasFocus());
    }

    // A key that opens or moves in a menu is the menu's: Alt, then Down opens File, and the
    // time stays.
    void menuKeysNeverReachThePage() {
        F().TimeEdit->setText(QStringLiteral("1327"));
        QVERIFY(Focus(F().CallWkdInput));
        QMenu* file = F().menuBar()->actions().constFirst()->menu();
        Key(Qt::Key_Alt);
        QVERIFY(F().menuBar()->hasFocus());
        Key(Qt::Key_Down);
        QVERIFY(file->isVisible());
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("1327"));
        QTest::keyClick(file, Qt::Key_Down);
        Key(Qt::Key_Escape);
        QVERIFY(!file->isVisible() && F().menuBar()->hasFocus());
        Key(Qt::Key_Down);  // opens the menu again
        QVERIFY(file->isVisible());
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("1327"));
        Key(Qt::Key_Escape);
        Key(Qt::Key_Escape);
        // Back in the field, the arrow keys step the time again.
        QVERIFY(F().CallWkdInput->hasFocus());
        Key(Qt::Key_Down);
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("1326"));
    }

    void enterCommitsOnlyAWholeQso() {
        // No band chosen yet, then a call of two characters, then an emptied number.
        w_.TypeQso(QString(), QStringLiteral("1300"), QStringLiteral("DL1ABC"), "5");
        Qso(QStringLiteral("DL"));
        Qso(QStringLiteral("DL1ABC"), "\b");
        QVERIFY(w_.Prompts.Errors.isEmpty());
        // An empty sent number is told, what to do with it too, and the QSO stays typed.
        F().NyNrEdit->clear();
        Qso(QStringLiteral("DL1ABC"));
        QVERIFY(w_.Prompts.Errors.size() == 1 &&
                w_.Prompts.Errors[0].startsWith("The sent number is empty"));
        QCOMPARE(F().CallWkdInput->text(), QStringLiteral("DL1ABC"));
        QVERIFY(F().Log().RowCount() == 2 && ReadLines("Last.log") == F().CabrilloLines());
        // The keys after the message go to the sent number, the received one stays.
        Keys(QStringLiteral("13"));
        QCOMPARE(F().NyNrEdit->text() + ' ' + F().NrInput->text(), "13 5");
    }

    // Enter in a sent field goes on to the number received; the sent number grows past four
    // digits, and a report after the number that is none on CW is refused, nothing logged.
    void sentFieldsAndTheReportAfterTheNumber() {
        F().NyNrEdit->setText(QStringLiteral("9999"));
        QVERIFY(Focus(F().NyNrEdit));
        Key(Qt::Key_Return);
        QVERIFY(F().NrInput->hasFocus());
        QVERIFY(Focus(F().TREdit));
        Key(Qt::Key_Return);
        QVERIFY(F().NrInput->hasFocus());
        Qso(QStringLiteral("DL1ABC"));
        QCOMPARE(F().NyNrEdit->text(), QStringLiteral("10000"));
        Qso(QStringLiteral("DK1ABC"), QStringLiteral("12 57"));
        QVERIFY(F().Log().QsoCounter == 2 && F().NrInput->hasFocus());
        QVERIFY(F().PanelText(EntityPanel).contains(QLatin1String("'57'")));
    }

    // Off, or failing, the backup leaves the QSO logged and "Mult List" hidden.
    void backupOffOrFailing() {
        F().AutoSave1->trigger();
        QCOMPARE(F().PanelText(AutoSavePanel), QStringLiteral("AutoSave: Off"));
        QFile::remove("Last.log");
        Qso(QStringLiteral("DL1ABC"));
        QVERIFY(Shown(CabrilloLogPage) && !Shown(MultListPage) && !QFile::exists("Last.log"));
        // Turned on, it writes the log as it stands at once.
        F().AutoSave1->trigger();
        QCOMPARE(ReadLines("Last.log"), F().CabrilloLines());
        QFile::remove("Last.log");
        QVERIFY(QDir().mkdir("Last.log"));
        Qso(QStringLiteral("DL2ABC"));
        QCOMPARE(w_.Prompts.Errors, QStringList{"Cannot create file Last.log"});
        QVERIFY(F().Log().RowCount() == 4 && !F().LogSaved() && F().CallWkdInput->hasFocus());
    }

    void dupeIsMarkedWhileTyped() {
        Qso(QStringLiteral("DL1ABC"));
        Keys(QStringLiteral("DL1ABC  "));  // Space held in a dupe stays
        QCOMPARE(Background(F().CallWkdInput), QColor(255, 101, 117));
        QCOMPARE(F().PanelText(EntityPanel), QStringLiteral("DL Fed. Rep. of Germany"));
        QVERIFY(F().CallWkdInput->hasFocus());
        Key(Qt::Key_Escape);
        QVERIFY(F().CallWkdInput->text().isEmpty());
        // Enter goes on to the number all the same, and the dupe is logged.
        Keys(QStringLiteral("DL1ABC\r"));
        QVERIFY(F().NrInput->hasFocus());
        Keys(QStringLiteral("7\r"));
        QCOMPARE(Cell(2, ColPoints), QStringLiteral("0"));
        QCOMPARE(Background(F().CallWkdInput), WindowColour());
        // Another band is no dupe: Space goes on, Esc comes back.
        Key(Qt::Key_B, Qt::AltModifier);
        Keys(QStringLiteral("DL1ABC "));
        QCOMPARE(Background(F().CallWkdInput), WindowColour());
        QVERIFY(F().NrInput->hasFocus());
        Key(Qt::Key_Escape);
        QVERIFY(F().CallWkdInput->hasFocus());
    }

    // Page keys: the control with the focus, the key, the band index before; the band, the
    // time made of "0000", and the control with the focus after.
    void pageKeysStepTheBandAndTheTime() {
        using K = Qt::KeyboardModifiers;
        const std::tuple<const char*, Qt::Key, K, int, const char*, const char*, const char*>
            cases[] = {
                {"TimeEdit", Qt::Key_B, Qt::AltModifier, -1, " 3500", "0000", "TimeEdit"},
                {"TimeEdit", Qt::Key_V, Qt::AltModifier, -1, "28000", "0000", "TimeEdit"},
                {"TimeEdit", Qt::Key_B, Qt::AltModifier, 4, " 3500", "0000", "TimeEdit"},
                {"TimeEdit", Qt::Key_V, Qt::AltModifier, 0, "28000", "0000", "TimeEdit"},
                {"TimeEdit", Qt::Key_B, Qt::AltModifier, 1, "14000", "0000", "TimeEdit"},
                {"CallWkdInput", Qt::Key_Up, {}, 1, " 7000", "0001", "CallWkdInput"},
                {"SG", Qt::Key_Up, {}, 1, " 7000", "0000", "SG"},
                {"FrekvensEdit", Qt::Key_Down, {}, -1, " 3500", "0000", "CallWkdInput"},
                {"SG", Qt::Key_Minus, Qt::KeypadModifier, 1, " 7000", "2359", "SG"},
                {"TimeEdit", Qt::Key_Plus, Qt::KeypadModifier, 1, " 7000", "0001", "TimeEdit"}};
        for (const auto& [focus, key, modifiers, from, band, time, after] : cases) {
            F().FrekvensEdit->setCurrentIndex(from);
            F().TimeEdit->setText(QStringLiteral("0000"));
            QVERIFY(Focus(F().findChild<QWidget*>(QLatin1String(focus))));
            Key(key, modifiers);
            QCOMPARE(F().FrekvensEdit->currentText() + ' ' + F().TimeEdit->text(),
                     QLatin1String(band) + ' ' + QLatin1String(time));
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(after));
            QCOMPARE(Background(F().FrekvensEdit->lineEdit()), WindowColour());
        }
    }

    // The field, the text typed, the text pasted by Ctrl+V and again by the field's menu, what
    // the field then holds, and whether the menu's paste was refused: the call's column is full.
    void filtersTakeTypedAndPastedText() {
        const struct {
            const char* field;
            EntryField kind;
            const char *typed, *pasted, *expected;
            bool refused;
        } cases[] = {{"TimeEdit", EntryField::Time, "1a2\b3", "4", "1234", false},
                     {"NrInput", EntryField::Number, "1a2\b3", "x9", "1399", false},
                     {"CallWkdInput", EntryField::Call, "sm5+ab/p", "oh 2x", "SM5AB/POH2X", true}};
        for (const auto& c : cases) {
            auto* edit = F().findChild<QLineEdit*>(QLatin1String(c.field));
            QVERIFY(Focus(edit));
            edit->clear();
            Keys(QLatin1String(c.typed));
            QGuiApplication::clipboard()->setText(QLatin1String(c.pasted));
            Key(Qt::Key_V, Qt::ControlModifier);
            std::unique_ptr<QMenu> menu(F().EntryFieldMenu(edit, c.kind));
            QCOMPARE(menu->actions().size(), 4);  // copy, paste, a line, select all: no more
            menu->actions()[1]->trigger();
            QCOMPARE(edit->text(), QLatin1String(c.expected));
            QCOMPARE(w_.Prompts.Errors,
                     c.refused ? QStringList{"The call would be 15 characters long; a call has at "
                                             "most 13. Nothing was pasted."}
                               : QStringList());
            // Select-all and copy work as in every other field.
            Key(Qt::Key_A, Qt::ControlModifier);
            Key(Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), QLatin1String(c.expected));
        }
    }

    void multipliersShowWhole() {
        // A non-Scandinavian entrant's multipliers: a Scandinavian prefix and its call area.
        w_.Form.reset();
        QVERIFY(w_.Open());
        w_.StartLog(QStringLiteral("DL1QQQ"));
        for (const char* call : {"SM5AA", "OZ7BB", "OH0CC"}) Qso(QLatin1String(call));
        for (int row = 0; row < 3; ++row)
            QVERIFY(F().SG->sizeHintForIndex(F().GridModel().index(row, ColMult)).width() <=
                    F().SG->columnWidth(ColMult));
    }

    void realtimeClockWritesTheLogPageOnly() {
        F().Realtime1->trigger();
        QCOMPARE(F().PanelText(RealtimePanel), QStringLiteral("Realtime: On"));
        QVERIFY(F().Timer1->isActive());
        Key(Qt::Key_Plus, Qt::KeypadModifier);  // the time keys rest
        QCOMPARE(F().TimeEdit->text(), QStringLiteral("1200"));
        w_.Clock.time = QTime(9, 7);
        F().Timer1Timer();
        QCOMPARE(F().TimeEdit->text() + ' ' + F().DateLabel->text(), "0907 2026-09-20");
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
        QCOMPARE(F().NyNrEdit->text() + ' ' + F().ClamedScoreEdit->text(), "2 2");
        Qso(QStringLiteral("JA1AA"));
        QCOMPARE(Cell(2, ColRow) + Cell(2, ColNrSent) + Cell(2, ColCall),
                 QStringLiteral("22JA1AA"));
        // A sent number that is no number counts as 0, and the log is still re-scored.
        F().NyNrEdit->clear();
        F().Deletelastrow1->trigger();
        QCOMPARE(F().NyNrEdit->text() + ' ' + F().ClamedScoreEdit->text(), "1 2");
        F().Deletelastrow1->trigger();
        F().Deletelastrow1->trigger();
        QVERIFY(F().Log().RowCount() == 2 && F().Log().QsoCounter == 1);
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
        QCOMPARE(Cell(2, ColCall) + Cell(2, ColMult) + Cell(2, ColPoints) + ' ' +
                     F().ClamedScoreEdit->text(),
                 "K1AAK3 10");
    }

    // After a save, a grid edit, a deleted row and a station field each mark the log changed
    // and reach Last.log; the title shows the file and the mark.
    void changesAfterASaveAreMarkedAndBackedUp() {
        Qso(QStringLiteral("DL1ABC"));
        Qso(QStringLiteral("OX3LX"));
        const auto save = [this] {
            w_.Prompts.Files << QStringLiteral("saved.log");
            F().Save1->trigger();
            QVERIFY(F().LogSaved() && !F().isWindowModified());
        };
        const auto changed = [this](const char* what) {
            QVERIFY2(!F().LogSaved() && F().isWindowModified(), what);
            QVERIFY2(ReadLines("Last.log") == F().Document().CabrilloLines(), what);
        };
        save();
        QVERIFY(F().windowTitle().startsWith(QStringLiteral("saved.log")));
        QVERIFY(F().PanelText(FilePanel).endsWith(QStringLiteral("saved.log")));
        QAbstractItemModel* grid = F().SG->model();
        QVERIFY(grid->setData(grid->index(1, ColCall), QStringLiteral("OX3XR")));
        changed("grid edit");
        save();
        F().Deletelastrow1->trigger();
        changed("deleted row");
        QVERIFY(!ReadLines("Last.log").empty() && Cell(2, ColCall).isEmpty());
        save();
        F().NameEdit->setText(QStringLiteral("Hiram"));
        changed("station field");
        F().Exit1->trigger();
        QCOMPARE(w_.Prompts.Questions.size(), 1);
    }

    // A new callsign re-scores the log at once: SM5QQQ's QSO with DL scores, W1AW's does not.
    void newCallsignRescoresAtOnce() {
        Qso(QStringLiteral("DL1ABC"));
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("2"));
        F().CallEdit->setText(QStringLiteral("W1AW"));
        QCOMPARE(F().ClamedScoreEdit->text(), QStringLiteral("0"));
        QCOMPARE(Cell(1, ColPoints), QString());  // not in the contest for a DX entrant
    }

    // Alt+B in the number field takes the typed call to a band where it is no dupe.
    void verdictFollowsTheBand() {
        Qso(QStringLiteral("DL1ABC"));
        TypeInto(F().CallWkdInput, QStringLiteral("DL1ABC"));
        QCOMPARE(Background(F().CallWkdInput), QColor(255, 101, 117));
        QVERIFY(Verdict().contains(QStringLiteral("DUPE")));
        QVERIFY(Focus(F().NrInput));
        Key(Qt::Key_B, Qt::AltModifier);
        QCOMPARE(Background(F().CallWkdInput), WindowColour());
        QVERIFY(!Verdict().contains(QStringLiteral("DUPE")));
    }

    // New starts an empty log in this year's contest; Open shows the last QSO's band.
    void newThenOpenAgain() {
        Qso(QStringLiteral("DL1ABC"));
        w_.Prompts.Files << QStringLiteral("first.log");
        F().Save1->trigger();
        F().New1->trigger();
        QVERIFY(F().Log().QsoRowCount() == 0 && F().LogSaved());
        QCOMPARE(F().State().ContestDate, std::string("2026-09-19"));
        QCOMPARE(F().CallEdit->text(), QStringLiteral("SM5QQQ"));
        QVERIFY(F().PanelText(FilePanel).isEmpty());
        SelectEntry(F().FrekvensEdit, 0);
        w_.Prompts.Files << QStringLiteral("first.log");
        F().Open1->trigger();
        QCOMPARE(F().FrekvensEdit->currentText(), QStringLiteral("14000"));
        QVERIFY(F().Log().QsoRowCount() == 1 && F().LogSaved());
    }

    // After a crash the next start offers Last.log; Realtime and AutoSave are as they were.
    void nextStartOffersTheBackup() {
        F().Realtime1->trigger();
        Qso(QStringLiteral("DL1ABC"));
        w_.Form.reset();  // no close: as a power cut
        w_.Form = std::make_unique<TForm1>(w_.Table, w_.Prompts, w_.Clock);
        QVERIFY(F().Realtime1->isChecked() && F().AutoSave1->isChecked());
        w_.Prompts.Answers.push_back(Answer::Yes);
        F().OfferBackup();
        QVERIFY(w_.Prompts.Questions.last().startsWith(QStringLiteral("Last.log holds 1 QSO ")));
        QVERIFY(F().Log().QsoRowCount() == 1 && !F().LogSaved());
        // Saved, it is offered no more.
        w_.Prompts.Files << QStringLiteral("saved.log");
        F().Save1->trigger();
        w_.Form.reset();
        w_.Form = std::make_unique<TForm1>(w_.Table, w_.Prompts, w_.Clock);
        const qsizetype asked = w_.Prompts.Questions.size();
        F().OfferBackup();
        QCOMPARE(w_.Prompts.Questions.size(), asked);
    }

    void ctrlPageKeysInTheBandListChangeThePage() {
        Qso(QStringLiteral("DL1ABC"));
        QVERIFY(Focus(F().FrekvensEdit));
        Key(Qt::Key_PageDown, Qt::ControlModifier);
        QVERIFY(F().PageControl1->currentIndex() == CabrilloLogPage &&
                F().FrekvensEdit->currentText() == "14000");
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
