// The main window and its station page, driven by real key, focus and mouse events.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>
#include <memory>
#include <tuple>

#include "UiTestSupport.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/CabrilloWriter.h"
#include "contest/ContestRules.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/mainwindow/Unit1.h"

using namespace kerolt;
using namespace kerolt::test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    Window w_;
    ScriptedPrompts& prompts_ = w_.Prompts;
    FixedClock& clock_ = w_.Clock;
    std::unique_ptr<TForm1>& form_ = w_.Form;

    bool LogTabShown() const { return form_->PageControl1->isTabVisible(LogInputPage); }

    // The user types a callsign over the old one and leaves the field.
    void ClassifyAs(const QString& call) {
        Focus(form_->CallEdit);
        form_->CallEdit->selectAll();
        Keys(call.isEmpty() ? QString() : call);
        if (call.isEmpty())
            Key(Qt::Key_Delete);
        Focus(form_->OperatorsEdit);
    }

  private slots:
    void init() {
        w_.Table = SyntheticCountryTable();
        prompts_ = ScriptedPrompts();
        clock_ = FixedClock();
        QVERIFY(w_.Open());
        QVERIFY(Focus(form_->CallEdit));
    }

    void cleanup() { form_.reset(); }

    void StartsAsDesigned() {
        // Qt shows the title without "[*]" while the log is unchanged.
        QCOMPARE(form_->windowTitle(),
                 QStringLiteral("Kerolt Ver 2.31 - Manual Cabrillo input for SAC[*]"));
        QVERIFY(!form_->isWindowModified());

        const QStringList pages{"Data input", "Log input", "Cabrillo log", "Mult List"};
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(form_->PageControl1->tabText(i), pages[i]);
            QCOMPARE(form_->PageControl1->isTabVisible(i), i == DataInputPage);
        }
        QCOMPARE(form_->PageControl1->currentIndex(), int(DataInputPage));
        QCOMPARE(form_->PageControl1->tabBar()->focusPolicy(), Qt::NoFocus);

        const QStringList panels{"", "", "AutoSave: On", "Realtime: Off", ""};
        for (int i = 0; i < panels.size(); ++i) QCOMPARE(form_->PanelText(i), panels[i]);

        QCOMPARE(form_->Label12->text(), QString(19, QLatin1Char('_')));
        QVERIFY(!form_->Timer1->isActive());
        QVERIFY(form_->Realtime1->isCheckable() && !form_->Realtime1->isChecked());
        QVERIFY(form_->AutoSave1->isCheckable() && form_->AutoSave1->isChecked());
        QVERIFY(form_->Check1->isEnabled());

        const QList<QAction*> bar = form_->menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar[2], form_->Check1);
        // The menu bar, item by item ("" for a separator), each with its Alt letter and the
        // shortcut the menu shows beside it.
        QStringList titles;
        for (QAction* menu : bar) titles << menu->text();
        QCOMPARE(titles, QStringList({"&File", "Set&Up", "Chec&k", "&Help"}));
        const std::pair<int, QStringList> menus[] = {
            {0,
             {"&New Ctrl+N", "&Open... Ctrl+O", "", "&Save... Ctrl+S", "", "&Import ADIF...", "&Export ADIF...",
              "", "&Results...", "", "E&xit"}},
            {1, {"&Realtime", "", "&AutoSave", "", "&Language", "", "R&ig..."}},
            {3, {"&HowTo F1", "", "&About..."}}};
        for (const auto& [index, items] : menus) {
            QStringList texts;
            for (QAction* item : bar[index]->menu()->actions())
                texts << (item->text() + ' ' + item->shortcut().toString()).trimmed();
            QCOMPARE(texts, items);
        }

        // The log input page's fields as the page starts.
        QCOMPARE(form_->FrekvensEdit->currentText(), QStringLiteral("Freqv."));
        QCOMPARE(Entries(form_->FrekvensEdit),
                 QStringList({" 3500", " 7000", "14000", "21000", "28000"}));
        QCOMPARE(form_->TimeEdit->text(), QStringLiteral("1200"));
        QCOMPARE(form_->TREdit->text(), QStringLiteral("599"));
        QCOMPARE(form_->RREdit->text(), QStringLiteral("599"));
        QCOMPARE(form_->NyNrEdit->text(), QStringLiteral("1"));
        QVERIFY(form_->NrInput->text().isEmpty());  // no received number nobody typed
        QCOMPARE(form_->MyCall->text(), QStringLiteral("MyCall"));
        QCOMPARE(form_->DateLabel->text(), QStringLiteral("2010-00-00"));
        // The grid shows the log itself: its headings are the log's row 0.
        QCOMPARE(form_->SG->model()->rowCount(), 1);
        for (int col = 0; col < QsoColumnCount; ++col) {
            QCOMPARE(
                form_->SG->model()->headerData(col, Qt::Horizontal).toString(),
                QString::fromLatin1(QsoLog::Headings()[static_cast<std::size_t>(col)].c_str()));
        }
    }

    void ListsStartWithTheirPlaceholders() {
        const struct {
            QComboBox* list;
            const char* placeholder;
            QStringList entries;
        } lists[] = {
            {form_->ContestBox, "Contest", {"SAC-CW", "SAC-SSB"}},
            {form_->AssistedComboBox, "Category-Assisted", {"NON-ASSISTED", "ASSISTED"}},
            {form_->BandComboBox,
             "Category-Band",
             {"ALL", "80M", "40M", "20M", "15M", "10M", "LOW-BAND"}},
            {form_->OperatorComboBox, "Category-Operator", {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
            {form_->TransmitterComboBox, "Category-Transmitter", {"ONE", "UNLIMITED"}},
            {form_->PowerComboBox, "Category-Power", {"HIGH", "LOW", "QRP"}},
            {form_->OverlayComboBox,
             "Category-Overlay",
             {"", "ROOKIE", "TB-WIRES", "CLASSIC", "WIRE-ONLY"}},
        };
        for (const auto& l : lists) {
            QCOMPARE(l.list->currentText(), QString::fromLatin1(l.placeholder));
            QCOMPARE(l.list->currentIndex(), -1);
            QCOMPARE(Entries(l.list), l.entries);
        }

        // The Cabrillo header takes the texts as they stand, placeholders included; only the
        // optional overlay line is left out while its list was never picked.
        const StationData station = form_->StationDataFromControls();
        QCOMPARE(station.ContestIndex, int(NoContest));
        QCOMPARE(station.PowerComboBox, std::string("Category-Power"));
        QCOMPARE(station.Memo1, std::vector<std::string>{""});
        const std::vector<std::string> text = BuildCabrilloLog(station, form_->Log(), "");
        for (const char* line : {"CONTEST: Contest", "CATEGORY-POWER: Category-Power", "SOAPBOX: "}) {
            QVERIFY2(std::find(text.begin(), text.end(), line) != text.end(), line);
        }
        QVERIFY(std::find(text.begin(), text.end(), "CATEGORY-OVERLAY: Category-Overlay") ==
                text.end());
    }

    void TranslatedPromptsShowWhileTheLogKeepsTheEnglishOnes() {
        // A window in another language: its lists show their prompts translated.
        struct Swedish : QTranslator {
            QString translate(const char*, const char* source, const char*, int) const override {
                const QString text = QString::fromLatin1(source);
                return text == "Category-Power" ? QStringLiteral("Kategori-Effekt")
                       : text == "Freqv."       ? QStringLiteral("Frekv.")
                                                : QString();
            }
            bool isEmpty() const override { return false; }
        } swedish;
        form_.reset();
        QVERIFY(QCoreApplication::installTranslator(&swedish));
        const bool opened = w_.Open();
        QCoreApplication::removeTranslator(&swedish);
        QVERIFY(opened);
        QCOMPARE(form_->PowerComboBox->currentText(), QStringLiteral("Kategori-Effekt"));
        QCOMPARE(form_->FrekvensEdit->currentText(), QStringLiteral("Frekv."));
        const StationData station = form_->StationDataFromControls();
        QCOMPARE(station.PowerComboBox, std::string("Category-Power"));
        const std::vector<std::string> text = BuildCabrilloLog(station, form_->Log(), "");
        QVERIFY(std::find(text.begin(), text.end(), "CATEGORY-POWER: Category-Power") != text.end());
        // The English prompt put back, as opening a log does, shows translated again.
        ChooseWithKeys(form_->PowerComboBox, 0);
        SetListText(form_->PowerComboBox, QStringLiteral("Category-Power"));
        QCOMPARE(form_->PowerComboBox->currentText(), QStringLiteral("Kategori-Effekt"));
        // A typed text that is no prompt is the log's text as it stands.
        SetListText(form_->PowerComboBox, QStringLiteral("Kategori"));
        QCOMPARE(ListText(form_->PowerComboBox), QStringLiteral("Kategori"));
    }

    void ReplacingEntriesKeepsTheTextAndSelectsNone() {
        ChooseWithKeys(form_->PowerComboBox, 2);
        QCOMPARE(form_->PowerComboBox->currentText(), QStringLiteral("QRP"));
        ReplaceEntries(form_->PowerComboBox, {"A", "B"});
        QCOMPARE(form_->PowerComboBox->currentText(), QStringLiteral("QRP"));
        QCOMPARE(form_->PowerComboBox->currentIndex(), -1);
        QCOMPARE(Entries(form_->PowerComboBox), QStringList({"A", "B"}));
        // Selecting afterwards shows the entry.
        SelectEntry(form_->PowerComboBox, 1);
        QCOMPARE(form_->PowerComboBox->currentText(), QStringLiteral("B"));
    }

    void ProgramSelectionRunsNoChangeHandler() {
        TypeInto(form_->CallEdit, "SM5QQQ");
        SelectEntry(form_->ContestBox, 0);
        QVERIFY(!LogTabShown());
        ChooseWithKeys(form_->OperatorComboBox, 1);  // MULTI-OP: both transmitters
        SelectEntry(form_->OperatorComboBox, 0);
        QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE", "UNLIMITED"}));
    }

    void LogInputTabFollowsTheCallsign() {
        ChooseWithKeys(form_->ContestBox, 0);
        QCOMPARE(form_->ContestBox->currentText(), QStringLiteral("SAC-CW"));
        Focus(form_->CallEdit);
        const std::pair<const char*, bool> steps[] = {{"S", false}, {"M", false}, {"5", true}};
        for (const auto& [key, shown] : steps) {
            Keys(key);
            QCOMPARE(LogTabShown(), shown);
        }
        Key(Qt::Key_Backspace);
        QVERIFY(!LogTabShown());
        QCOMPARE(form_->CallEdit->text(), QStringLiteral("SM"));
    }

    void LogInputTabNeedsAContest() {
        TypeInto(form_->CallEdit, "sm5qqq");
        QCOMPARE(form_->CallEdit->text(), QStringLiteral("SM5QQQ"));  // forced upper case
        QVERIFY(!LogTabShown());
        // Typing a text that is not an entry chooses no contest.
        TypeInto(form_->ContestBox, "SAC");
        QCOMPARE(form_->ContestBox->currentIndex(), -1);
        QVERIFY(!LogTabShown());
        // Typing an entry's exact text chooses it.
        Keys("-SSB");
        QCOMPARE(form_->ContestBox->currentIndex(), int(SacSsb));
        QVERIFY(LogTabShown());
        // The contest handler never hides the tab.
        Key(Qt::Key_Backspace);
        QCOMPARE(form_->ContestBox->currentIndex(), -1);
        QVERIFY(LogTabShown());
    }

    void ContestChosenAfterTheCallShowsTheTab() {
        TypeInto(form_->CallEdit, "DL1ABC");
        QVERIFY(!LogTabShown());
        ChooseWithKeys(form_->ContestBox, 1);
        QCOMPARE(form_->ContestBox->currentText(), QStringLiteral("SAC-SSB"));
        QVERIFY(LogTabShown());
    }

    void CallsignFieldLimits() {
        TypeInto(form_->CallEdit, "sm5qqq/p1234567890");
        // What the QSO line's own-call column holds with a blank before the report.
        QCOMPARE(form_->CallEdit->text(), QStringLiteral("SM5QQQ/P12345"));
        TypeInto(form_->OperatorsEdit, "sm5qqq sm5abc");
        QCOMPARE(form_->OperatorsEdit->text(), QStringLiteral("SM5QQQ SM5ABC"));
        TypeInto(form_->NameEdit, "Anna");
        QCOMPARE(form_->NameEdit->text(), QStringLiteral("Anna"));
    }

    void Classification_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("stationClass");
        QTest::addColumn<bool>("scandinavian");
        QTest::addColumn<bool>("european");
        QTest::newRow("Sweden") << "SM5QQQ" << ScandinavianClass << true << true;
        QTest::newRow("Germany") << "DL1ABC" << EuropeanClass << false << true;
        QTest::newRow("USA") << "K1ABC" << DxClass << false << false;
        // Greenland counts as Scandinavian, although its entity lies outside Europe.
        QTest::newRow("Greenland") << "OX3XY" << ScandinavianClass << true << false;
        // An empty call looks nothing up; at start no entity has a continent.
        QTest::newRow("empty at start") << "" << DxClass << false << false;
    }

    void Classification() {
        QFETCH(QString, call);
        QFETCH(QString, stationClass);
        QFETCH(bool, scandinavian);
        QFETCH(bool, european);

        ClassifyAs(call);
        QCOMPARE(form_->Label12->text(), stationClass);
        QCOMPARE(form_->State().OwnScandinavian, scandinavian);
        QCOMPARE(form_->State().OwnEuropean, european);
        QCOMPARE(form_->PanelText(CallPanel), call);
        QCOMPARE(form_->MyCall->text(), call);

        const bool isScandinavian = stationClass == ScandinavianClass;
        QCOMPARE(form_->OverlayComboBox->isVisible(), isScandinavian);
        if (isScandinavian) {
            QCOMPARE(Entries(form_->BandComboBox),
                     QStringList({"ALL", "80M", "40M", "20M", "15M", "10M"}));
            QCOMPARE(Entries(form_->OverlayComboBox),
                     QStringList({"", "ROOKIE", "TB-WIRES", "CLASSIC", "WIRE-ONLY"}));
            QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE", "UNLIMITED"}));
            QCOMPARE(form_->BandComboBox->currentText(), QStringLiteral("Category-Band"));
            QCOMPARE(form_->OverlayComboBox->currentText(), QStringLiteral("Category-Overlay"));
        } else {
            QCOMPARE(Entries(form_->BandComboBox), QStringList({"ALL", "LOW-BAND"}));
            QCOMPARE(form_->BandComboBox->currentText(), QStringLiteral("ALL"));
            QCOMPARE(Entries(form_->OverlayComboBox), QStringList({""}));
            QCOMPARE(form_->OverlayComboBox->currentText(), QString());
            QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE"}));
        }
        for (QComboBox* list : {form_->BandComboBox, form_->TransmitterComboBox}) {
            QCOMPARE(list->currentIndex(), -1);
        }
        // The transmitter list keeps its text through every class.
        QCOMPARE(form_->TransmitterComboBox->currentText(), QStringLiteral("Category-Transmitter"));
    }

    void ReconfigurationKeepsTheShownTexts() {
        ClassifyAs("SM5QQQ");
        ChooseWithKeys(form_->TransmitterComboBox, 1);
        ChooseWithKeys(form_->BandComboBox, 3);
        QCOMPARE(form_->TransmitterComboBox->currentText(), QStringLiteral("UNLIMITED"));
        QCOMPARE(form_->BandComboBox->currentText(), QStringLiteral("20M"));

        ClassifyAs("K1ABC");
        QCOMPARE(form_->TransmitterComboBox->currentText(), QStringLiteral("UNLIMITED"));
        QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE"}));
        QCOMPARE(form_->BandComboBox->currentText(), QStringLiteral("ALL"));
        QVERIFY(!form_->OverlayComboBox->isVisible());
        // Tab skips the hidden overlay list.
        Focus(form_->StationComboBox);
        Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form_->Memo1);

        // Back to a Scandinavian call: the overlay list returns, empty, with its entries.
        ClassifyAs("SM5QQQ");
        QVERIFY(form_->OverlayComboBox->isVisible());
        QCOMPARE(form_->OverlayComboBox->currentText(), QString());
        QCOMPARE(Entries(form_->OverlayComboBox),
                 QStringList({"", "ROOKIE", "TB-WIRES", "CLASSIC", "WIRE-ONLY"}));
        QCOMPARE(form_->BandComboBox->currentText(), QStringLiteral("ALL"));
        QCOMPARE(Entries(form_->BandComboBox).size(), 6);
        QCOMPARE(form_->TransmitterComboBox->currentText(), QStringLiteral("UNLIMITED"));
        QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE", "UNLIMITED"}));
        // Picking an entry after the replacement shows that entry.
        ChooseWithKeys(form_->OverlayComboBox, 1);
        QCOMPARE(form_->OverlayComboBox->currentText(), QStringLiteral("ROOKIE"));
        QCOMPARE(form_->StationDataFromControls().OverlayComboBox, std::string("ROOKIE"));
    }

    void OperatorCategorySetsTheTransmitters_data() {
        QTest::addColumn<QString>("call");
        QTest::newRow("Scandinavian") << "SM5QQQ";
        QTest::newRow("European") << "DL1ABC";
        QTest::newRow("DX") << "K1ABC";
    }

    void OperatorCategorySetsTheTransmitters() {
        QFETCH(QString, call);
        ClassifyAs(call);
        ChooseWithKeys(form_->OperatorComboBox, 0);
        QCOMPARE(form_->OperatorComboBox->currentText(), QStringLiteral("SINGLE-OP"));
        QCOMPARE(form_->TransmitterComboBox->currentText(), QStringLiteral("ONE"));
        QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE"}));

        Key(Qt::Key_Down);  // MULTI-OP
        QCOMPARE(form_->OperatorComboBox->currentText(), QStringLiteral("MULTI-OP"));
        QCOMPARE(form_->TransmitterComboBox->currentText(), QStringLiteral("ONE"));
        QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE", "UNLIMITED"}));

        // Back to SINGLE-OP by typing it, then typed text that is no entry.
        form_->OperatorComboBox->lineEdit()->selectAll();
        Keys("SINGLE-OP");
        QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE"}));
        Keys("X");
        QCOMPARE(form_->OperatorComboBox->currentIndex(), -1);
        QCOMPARE(Entries(form_->TransmitterComboBox), QStringList({"ONE", "UNLIMITED"}));
    }

    void EnterChain() {
        const std::pair<QWidget*, QWidget*> chain[] = {
            {form_->CallEdit, form_->ContestBox},      {form_->OperatorsEdit, form_->NameEdit},
            {form_->NameEdit, form_->AdrEdit1},        {form_->AdrEdit1, form_->AdrEdit2},
            {form_->AdrEdit2, form_->AdrEdit3},        {form_->AdrEdit3, form_->ClamedScoreEdit},
            {form_->ClamedScoreEdit, form_->ClubEdit}, {form_->ClubEdit, form_->Memo1},
        };
        for (const auto& [from, to] : chain) {
            QVERIFY(Focus(from, Qt::MouseFocusReason));
            Key(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), to);
        }
        // Enter leaves other fields where they are.
        for (QWidget* stays :
             {static_cast<QWidget*>(form_->EmailEdit), static_cast<QWidget*>(form_->ContestBox)}) {
            QVERIFY(Focus(stays));
            Key(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), stays);
        }
        // The field reached by Enter has its text selected, so typing replaces it.
        form_->AdrEdit2->setText(QStringLiteral("Old street"));
        Focus(form_->AdrEdit1);
        Key(Qt::Key_Return);
        Keys("New street");
        QCOMPARE(form_->AdrEdit2->text(), QStringLiteral("New street"));
        // Enter in the callsign field leaves it, so the entrant is classified.
        TypeInto(form_->CallEdit, "DL1ABC");
        Key(Qt::Key_Return);
        QCOMPARE(form_->Label12->text(), QString::fromLatin1(EuropeanClass));
    }

    void TabOrder() {
        const QWidget* order[] = {form_->CallEdit,
                                  form_->OperatorsEdit,
                                  form_->NameEdit,
                                  form_->AdrEdit1,
                                  form_->AdrEdit2,
                                  form_->AdrEdit3,
                                  form_->EmailEdit,
                                  form_->ClubEdit,
                                  form_->ContestBox,
                                  form_->AssistedComboBox,
                                  form_->BandComboBox,
                                  form_->OperatorComboBox,
                                  form_->TransmitterComboBox,
                                  form_->PowerComboBox,
                                  form_->StationComboBox,
                                  form_->OverlayComboBox,
                                  form_->Memo1};
        // A Scandinavian call keeps the overlay list, and so its place in the order.
        TypeInto(form_->CallEdit, "SM5QQQ");
        for (std::size_t i = 1; i < std::size(order); ++i) {
            Key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
        for (std::size_t i = std::size(order) - 1; i > 0; --i) {
            Key(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), order[i - 1]);
        }
        QCOMPARE(form_->ClamedScoreEdit->focusPolicy(), Qt::ClickFocus);
    }

    void AltMnemonicsMoveToTheirFields() {
        const std::pair<Qt::Key, QWidget*> mnemonics[] = {
            {Qt::Key_N, form_->NameEdit}, {Qt::Key_A, form_->AdrEdit1}, {Qt::Key_S, form_->Memo1}};
        for (const auto& [key, field] : mnemonics) {
            Focus(form_->EmailEdit);
            Key(key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), field);
        }
        // "&Club" and "&Clamed Score" share Alt+C: presses take turns between them.
        Focus(form_->EmailEdit);
        Key(Qt::Key_C, Qt::AltModifier);
        QWidget* first = QApplication::focusWidget();
        Key(Qt::Key_C, Qt::AltModifier);
        QWidget* second = QApplication::focusWidget();
        QCOMPARE(QSet<QWidget*>({first, second}),
                 QSet<QWidget*>({form_->ClubEdit, form_->ClamedScoreEdit}));
    }

    // The menus' keys, on both pages: Alt with a menu's letter and F10 open it, Ctrl+O, Ctrl+S
    // and F1 run their commands. Their letters leave the labels' and the band keys' alone.
    void MenuKeys() {
        const QList<QAction*> bar = form_->menuBar()->actions();
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QMenu* menu;      // opened by the key
            QAction* action;  // else run by it
        } cases[] = {{Qt::Key_F, Qt::AltModifier, bar[0]->menu(), nullptr},
                     {Qt::Key_U, Qt::AltModifier, bar[1]->menu(), nullptr},
                     {Qt::Key_H, Qt::AltModifier, bar[3]->menu(), nullptr},
                     {Qt::Key_F10, Qt::NoModifier, bar[0]->menu(), nullptr},
                     {Qt::Key_O, Qt::ControlModifier, nullptr, form_->Open1},
                     {Qt::Key_S, Qt::ControlModifier, nullptr, form_->Save1},
                     {Qt::Key_F1, Qt::NoModifier, nullptr, form_->HowTo1}};
        TypeInto(form_->CallEdit, "SM5QQQ");
        ChooseWithKeys(form_->ContestBox, 0);
        for (QWidget* field : {form_->EmailEdit, form_->CallWkdInput}) {
            if (field == form_->CallWkdInput)
                w_.ClickTab(LogInputPage);
            for (const auto& c : cases) {
                QVERIFY(Focus(field));
                QSignalSpy shown(c.menu ? c.menu : new QMenu(form_.get()), &QMenu::aboutToShow);
                QSignalSpy run(c.action ? c.action : new QAction(form_.get()), &QAction::triggered);
                Key(c.key, c.modifiers);
                QCOMPARE(shown.size() + run.size(), 1);
                // Esc closes the menu, and again leaves the menu bar.
                while (QWidget* popup = QApplication::activePopupWidget())
                    QTest::keyClick(popup, Qt::Key_Escape);
                if (form_->menuBar()->hasFocus())
                    Key(Qt::Key_Escape);
                QCOMPARE(QApplication::focusWidget(), field);
                // The test platform leaves no window active after a pop-up.
                form_->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(form_.get()));
            }
        }
        QCOMPARE(prompts_.ProposedNames, QStringList({"SM5QQQ.log", "SM5QQQ.log"}));
        // Alt+B still steps the band.
        QVERIFY(Focus(form_->CallWkdInput));
        Key(Qt::Key_B, Qt::AltModifier);
        QCOMPARE(form_->FrekvensEdit->currentText(), QStringLiteral(" 3500"));
    }

    void PrepareLogPageOnLeavingTheStationPage_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("contest");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("contestDate");
        QTest::addColumn<QString>("dateLabel");
        QTest::addColumn<QString>("report");
        QTest::newRow("2026 SSB before noon") << 2026 << int(SacSsb) << "0930"
                                              << "2026-10-10"
                                              << "2026-10-11"
                                              << "59";
        QTest::newRow("2011 SSB before noon") << 2011 << int(SacSsb) << "0930"
                                              << "2011-10-08"
                                              << "2011-10-09"
                                              << "59";
        QTest::newRow("2011 SSB at noon") << 2011 << int(SacSsb) << "1200"
                                          << "2011-10-08"
                                          << "2011-10-08"
                                          << "59";
        QTest::newRow("2011 CW") << 2011 << int(SacCw) << "1530"
                                 << "2011-09-17"
                                 << "2011-09-17"
                                 << "599";
    }

    void PrepareLogPageOnLeavingTheStationPage() {
        QFETCH(int, year);
        QFETCH(int, contest);
        QFETCH(QString, time);
        clock_.year = year;
        TypeInto(form_->CallEdit, "SM5QQQ");
        ChooseWithKeys(form_->ContestBox, contest);
        form_->TimeEdit->setText(time);
        clock_.YearCalls = 0;

        w_.ClickTab(LogInputPage);
        QCOMPARE(form_->PageControl1->currentIndex(), int(LogInputPage));
        QCOMPARE(clock_.YearCalls, 1);
        QTEST(QString::fromLatin1(form_->State().ContestDate.c_str()), "contestDate");
        QTEST(form_->DateLabel->text(), "dateLabel");
        QTEST(form_->TREdit->text(), "report");
        QTEST(form_->RREdit->text(), "report");
        QCOMPARE(form_->MyCall->text(), QStringLiteral("SM5QQQ"));
        QVERIFY(prompts_.Errors.isEmpty());
    }

    void PrepareLogPageOncePerSwitchFromTheStationPage() {
        TypeInto(form_->CallEdit, "SM5QQQ");
        ChooseWithKeys(form_->ContestBox, 0);
        form_->PageControl1->setTabVisible(CabrilloLogPage, true);
        form_->PageControl1->setTabVisible(MultListPage, true);
        clock_.YearCalls = 0;
        const std::pair<int, int> switches[] = {
            {LogInputPage, 1},  {CabrilloLogPage, 1}, {MultListPage, 1},  {LogInputPage, 1},
            {DataInputPage, 1}, {MultListPage, 2},    {DataInputPage, 2}, {CabrilloLogPage, 3}};
        for (const auto& [page, calls] : switches) {
            w_.ClickTab(page);
            QCOMPARE(form_->PageControl1->currentIndex(), page);
            QCOMPARE(clock_.YearCalls, calls);
        }
        // Reports typed on the log page survive switches between the other pages.
        form_->TREdit->setText(QStringLiteral("579"));
        w_.ClickTab(LogInputPage);
        w_.ClickTab(MultListPage);
        QCOMPARE(form_->TREdit->text(), QStringLiteral("579"));
    }

    void HiddenPagesAreOutOfReach() {
        QTabBar* bar = form_->PageControl1->tabBar();
        const auto wheel = [bar](int angle) {
            const QPointF at = bar->tabRect(0).center();
            QWheelEvent event(at, bar->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &event);
            QApplication::processEvents();
        };
        clock_.YearCalls = 0;
        // Only "Data input" is shown: the page keys and the wheel stay on it.
        Key(Qt::Key_Tab, Qt::ControlModifier);
        Key(Qt::Key_PageDown, Qt::ControlModifier);
        wheel(-120);
        QCOMPARE(form_->PageControl1->currentIndex(), int(DataInputPage));
        QCOMPARE(clock_.YearCalls, 0);

        TypeInto(form_->CallEdit, "SM5QQQ");
        ChooseWithKeys(form_->ContestBox, 0);
        QVERIFY(LogTabShown());
        clock_.YearCalls = 0;  // choosing the contest dates the log
        // Ctrl+Tab goes round the shown tabs only, from the contest list as from a field.
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, int, int> steps[] = {
            {Qt::Key_Tab, Qt::ControlModifier, LogInputPage, 1},
            {Qt::Key_Tab, Qt::ControlModifier, DataInputPage, 1},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, LogInputPage, 2},
            {Qt::Key_Tab, Qt::ControlModifier, DataInputPage, 2},
        };
        for (const auto& [key, modifiers, page, calls] : steps) {
            Key(key, modifiers);
            QCOMPARE(form_->PageControl1->currentIndex(), page);
            QCOMPARE(clock_.YearCalls, calls);
            if (page == DataInputPage)
                QVERIFY(Focus(form_->ContestBox));
        }
        // The wheel steps onto the shown "Log input" tab and no further.
        wheel(-120);
        wheel(-120);
        QCOMPARE(form_->PageControl1->currentIndex(), int(LogInputPage));
        QCOMPARE(clock_.YearCalls, 3);
        wheel(120);
        QCOMPARE(form_->PageControl1->currentIndex(), int(DataInputPage));
    }

    void ClickThatHidesTheOverlayListOpensNoDropDown() {
        TypeInto(form_->CallEdit, "K1ABC");
        QComboBox* overlay = form_->OverlayComboBox;
        const QPoint arrow(overlay->width() - 6, overlay->height() / 2);
        QTest::mousePress(overlay, Qt::LeftButton, {}, arrow);
        QCOMPARE(form_->Label12->text(), QString::fromLatin1(DxClass));
        QVERIFY(!overlay->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QTest::mouseRelease(overlay, Qt::LeftButton, {}, arrow);
        // A shown overlay list opens its drop-down as ever.
        ClassifyAs("SM5QQQ");
        QTest::mouseClick(overlay, Qt::LeftButton, {}, arrow);
        QTRY_VERIFY(overlay->view()->isVisible());
        Key(Qt::Key_Escape);
    }

    void PrepareLogPageErrorIsShownAndTheSwitchHappens() {
        // No contest chosen (the page shown as an opened file would): no contest date to read.
        TypeInto(form_->CallEdit, "SM5QQQ");
        form_->PageControl1->setTabVisible(LogInputPage, true);
        form_->TimeEdit->setText(QStringLiteral("0930"));
        w_.ClickTab(LogInputPage);
        QCOMPARE(form_->PageControl1->currentIndex(), int(LogInputPage));
        QCOMPARE(prompts_.Errors, QStringList{"'' is not a valid integer value"});
        QCOMPARE(form_->DateLabel->text(), QStringLiteral("2010-00-00"));
        QCOMPARE(form_->TREdit->text(), QStringLiteral("599"));
        QCOMPARE(form_->MyCall->text(), QStringLiteral("SM5QQQ"));
    }

    void LeavingTheCallFieldByTheTabClassifies() {
        TypeInto(form_->CallEdit, "DL1ABC");
        ChooseWithKeys(form_->ContestBox, 0);
        Focus(form_->CallEdit);
        Key(Qt::Key_End);
        Keys("X");
        w_.ClickTab(LogInputPage);
        QCOMPARE(form_->Label12->text(), QString::fromLatin1(EuropeanClass));
        QCOMPARE(form_->MyCall->text(), QStringLiteral("DL1ABCX"));
    }

    void SetUpCommands() {
        form_->Realtime1->trigger();
        QVERIFY(form_->Realtime1->isChecked());
        QVERIFY(form_->Timer1->isActive());
        QCOMPARE(form_->PanelText(RealtimePanel), QStringLiteral("Realtime: On"));
        form_->Realtime1->trigger();
        QVERIFY(!form_->Timer1->isActive());
        QCOMPARE(form_->PanelText(RealtimePanel), QStringLiteral("Realtime: Off"));

        form_->AutoSave1->trigger();
        QVERIFY(!form_->AutoSave1->isChecked());
        QCOMPARE(form_->PanelText(AutoSavePanel), QStringLiteral("AutoSave: Off"));
        form_->AutoSave1->trigger();
        QCOMPARE(form_->PanelText(AutoSavePanel), QStringLiteral("AutoSave: On"));
    }

    void RealtimeClockWritesTheTimeOnTheLogPageOnly() {
        clock_.time = QTime(9, 5, 30);
        TypeInto(form_->CallEdit, "SM5QQQ");
        ChooseWithKeys(form_->ContestBox, 0);
        form_->Realtime1->trigger();
        // The clock's ticks are driven here rather than waited for.
        form_->Timer1Timer();
        QCOMPARE(form_->TimeEdit->text(), QStringLiteral("1200"));
        w_.ClickTab(LogInputPage);
        form_->Timer1Timer();
        QCOMPARE(form_->TimeEdit->text(), QStringLiteral("0905"));
    }

    void StationDataComesFromTheControls() {
        TypeInto(form_->CallEdit, "sm5qqq");
        TypeInto(form_->ClubEdit, "SK0QO");
        ChooseWithKeys(form_->ContestBox, 1);
        TypeInto(form_->Memo1, "IC-7300");
        Key(Qt::Key_Return);
        Keys("Dipole");
        const StationData station = form_->StationDataFromControls();
        QCOMPARE(station.CallEdit, std::string("SM5QQQ"));
        QCOMPARE(station.ClubEdit, std::string("SK0QO"));
        QCOMPARE(station.ContestBox, std::string("SAC-SSB"));
        QCOMPARE(station.ContestIndex, int(SacSsb));
        QCOMPARE(station.Memo1, (std::vector<std::string>{"IC-7300", "Dipole"}));
        // Lines set by program come back as they went in, an empty last line included.
        const std::vector<std::string> lines{"one", "", "three", ""};
        form_->SetMemo1Lines(lines);
        QCOMPARE(form_->Memo1Lines(), lines);
        form_->SetMemo1Lines({});
        QVERIFY(form_->Memo1Lines().empty());
    }

    // A grid edit goes through the document: refused with its reason, or taken and marked.
    void GridEditGoesThroughTheDocument() {
        CabrilloFile file;
        QsoLog::Row row;
        row[ColRow] = "1";
        row[ColFreq] = "14025";
        row[ColTime] = "2400";
        row[ColRstSent] = "599";
        row[ColNrSent] = "1";
        row[ColCall] = "DL1ABC";
        row[ColRstRcvd] = "599";
        row[ColNrRcvd] = "1";
        file.Rows = {row};
        file.ContestDate = "2019-09-21";
        form_->ShowOpenedFile(file, "opened.log", false);
        QAbstractItemModel* model = form_->SG->model();
        QVERIFY(model->data(model->index(0, ColTime), Qt::BackgroundRole).isValid());
        QVERIFY(!model->setData(model->index(0, ColTime), QStringLiteral("2599")));
        QCOMPARE(form_->Log().Cell(1, ColTime), std::string("2400"));
        QVERIFY(form_->PanelText(EntityPanel).contains(QStringLiteral("2599")));
        QVERIFY(form_->LogSaved() && !form_->isWindowModified());
        QVERIFY(model->setData(model->index(0, ColTime), QStringLiteral("2359")));
        QVERIFY(!model->data(model->index(0, ColTime), Qt::BackgroundRole).isValid());
        QVERIFY(!form_->LogSaved() && form_->isWindowModified());
        QVERIFY(form_->windowTitle().startsWith(QStringLiteral("opened.log")));
    }

    void ExitClosesTheWindow() {
        form_->Exit1->trigger();
        QVERIFY(!form_->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
