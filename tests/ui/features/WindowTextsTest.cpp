// The texts of the features' windows and of the secondary windows reach the translator: under
// a translator that marks every text it is asked for, no text a user reads stays as written,
// but for data (calls, bands, numbers, rig models) and the core's own messages.

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "UiTestSupport.h"
#include "calls/CallList.h"
#include "ui/features/callentry/PartialCalls.h"
#include "ui/features/results/ResultsWindow.h"
#include "ui/features/rig/RigDialog.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/windows/Unit2.h"
#include "ui/windows/Unit3.h"

using namespace kerolt;
using namespace kerolt::test;

namespace {

// "<text>" or "<text|comment>": a translation that shows which entry it came from.
class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* comment, int) const override {
        QString text = QLatin1Char('<') + QString::fromUtf8(source);
        if (comment && *comment)
            text += QLatin1Char('|') + QString::fromUtf8(comment);
        return text + QLatin1Char('>');
    }
};

// Fails with the texts left as written.
#define VERIFY_ALL_MARKED(texts)                                 \
    do {                                                         \
        const QStringList left = (texts);                        \
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u" / "))); \
    } while (false)

bool Marked(const QString& text) {
    return text.isEmpty() || (text.startsWith(QLatin1Char('<')) && text.endsWith(QLatin1Char('>')));
}

QStringList Unmarked(QStringList texts) {
    texts.removeIf(Marked);
    return texts;
}

// The texts of window a user reads that did not come from the translator. Combo items with
// data of their own other than 0 are data (rig models, speeds); the results' figures are the
// core's.
QStringList UnmarkedTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName() == QLatin1String("ResultsFigures"))
            continue;
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            texts << edit->placeholderText();
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < box->count(); ++i)
                if (box->itemData(i).toInt() == 0)
                    texts << box->itemText(i);
        }
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int col = 0; col < table->columnCount(); ++col)
                texts << table->horizontalHeaderItem(col)->text();
            // The rows above the last are bands.
            texts << table->verticalHeaderItem(table->rowCount() - 1)->text();
        }
        if (auto* view = qobject_cast<QChartView*>(widget))
            texts << view->chart()->title();
    }
    return Unmarked(texts);
}

}  // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

    MarkingTranslator translator_;
    Window w_;

  private slots:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&translator_)); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&translator_); }
    void init() { QVERIFY(w_.Open()); }
    void cleanup() { w_.Form.reset(); }

    // The log's English heading, translated by its column, so that the sent and the received
    // RST are two entries; a heading the column does not have is shown as it is.
    void gridHeadingsByColumn() {
        const std::tuple<int, const char*, const char*> cases[] = {
            {ColRow, "Row", "<Row|the QSO's number in the log>"},
            {ColRstSent, "RST", "<RST|sent>"},
            {ColRstRcvd, "RST", "<RST|received>"},
            {ColNrRcvd, "NR", "<NR|serial number received>"},
            {ColPoints, "P", "<P|points>"},
            {ColNrSent, "NR", "NR"},
            {-1, "Row", "Row"},
            {QsoColumnCount, "P", "P"},
        };
        for (const auto& [column, heading, shown] : cases)
            QCOMPARE(GridHeading(column, heading), QString::fromLatin1(shown));
        QCOMPARE(w_.Form->SG->model()->headerData(ColRstRcvd, Qt::Horizontal).toString(),
                 QStringLiteral("<RST|received>"));
    }

    // The count of calls not shown stays a number in a whole translated entry.
    void partialListTellsTheRest() {
        QStringList lines;
        for (char c = 'A'; c <= 'T'; ++c) lines << QStringLiteral("SM5") + QLatin1Char(c);
        w_.Form->Partials().SetCallList(CallList::FromLines(ToCore(lines)));
        Focus(w_.Form->CallWkdInput);
        Keys(QStringLiteral("SM"));
        auto* list = w_.Form->findChild<QListWidget*>(QStringLiteral("PartialList"));
        QVERIFY(list->count() > 2);
        const QString more = QStringLiteral("<+%1 more|calls not shown>").arg(21 - list->count());
        QCOMPARE(list->item(list->count() - 1)->text(), more);
        VERIFY_ALL_MARKED(UnmarkedTexts(list));
    }

    // The features' commands in the window's menus, and the windows of their own.
    void featuresAndSecondaryWindows() {
        QStringList commands;
        for (const char* name : {"ImportAdif1", "ExportAdif1", "Results1", "Rig1", "CheckPartial1"})
            commands << w_.Form->findChild<QAction*>(QLatin1String(name))->text();
        VERIFY_ALL_MARKED(Unmarked(commands));
        w_.Form->findChild<QAction*>(QStringLiteral("Results1"))->trigger();
        VERIFY_ALL_MARKED(UnmarkedTexts(w_.Form->findChild<ResultsWindow*>()));
        RigDialog rig{RigSettings{}};
        TAboutBox about;
        TForm3 help;
        for (QWidget* window : std::initializer_list<QWidget*>{&rig, &about, &help})
            VERIFY_ALL_MARKED(UnmarkedTexts(window));
    }
};

QTEST_MAIN(WindowTextsTest)
#include "WindowTextsTest.moc"
