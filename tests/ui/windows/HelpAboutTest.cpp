// The help window and the About box: shown once however often asked, hidden by a click or
// OK, never blocking the main window.

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/widgets/Fonts.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/windows/Unit2.h"
#include "ui/windows/Unit3.h"

using namespace kerolt;
using namespace kerolt::test;

class HelpAboutTest : public QObject {
    Q_OBJECT

  private:
    Window w_;
    std::unique_ptr<TForm1>& form_ = w_.Form;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TForm3> form3_;

    int VisibleHelpWindows() const {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<TForm3*>(window) && window->isVisible())
                ++count;
        }
        return count;
    }

    bool Activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        RegisterFontSubstitutes();
    }

    void init() {
        w_.Form = std::make_unique<TForm1>(w_.Table, w_.Prompts, w_.Clock);
        aboutBox_ = std::make_unique<TAboutBox>();
        form3_ = std::make_unique<TForm3>();
        form_->SetSecondaryWindows(aboutBox_.get(), form3_.get());
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() {
        form3_.reset();
        aboutBox_.reset();
        form_.reset();
    }

    void HowToTwiceShowsOneWindow() {
        form_->HowTo1->trigger();
        form_->HowTo1->trigger();
        QVERIFY(form3_->isVisible());
        QCOMPARE(VisibleHelpWindows(), 1);
        QCOMPARE(form3_->windowTitle(), QStringLiteral("Help"));
        QVERIFY(form3_->Memo1->isReadOnly());
        QVERIFY(!form3_->isModal());
    }

    void AClickInTheTextHidesTheHelp() {
        form_->HowTo1->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form3_.get()));
        QTest::mouseClick(form3_->Memo1->viewport(), Qt::LeftButton, {}, QPoint(40, 20));
        QVERIFY(!form3_->isVisible());
        // Asked for again, it comes back.
        form_->HowTo1->trigger();
        QVERIFY(form3_->isVisible());
        form3_->close();
        QVERIFY(!form3_->isVisible());
    }

    void ScrollingDoesNotHideTheHelp() {
        form_->HowTo1->trigger();
        QVERIFY(Activate(form3_.get()));
        QScrollBar* bar = form3_->Memo1->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QVERIFY(Focus(form3_->Memo1));
        QTest::keyClick(form3_->Memo1, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        const int afterKeys = bar->value();
        // A click on the scroll bar's lower end steps it down.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
        QVERIFY(bar->value() > afterKeys);
        QVERIFY(form3_->isVisible());
        // A right click is no click on the text.
        QTest::mouseClick(form3_->Memo1->viewport(), Qt::RightButton, {}, QPoint(40, 20));
        QVERIFY(form3_->isVisible());
    }

    void HelpTextHasItsTwoSections() {
        const QString text = form3_->Memo1->toPlainText();
        QVERIFY(text.startsWith("How to make your log\n--------------------\nStart on the "));
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString& title :
             {QStringLiteral("How to make your log"), QStringLiteral("How to type a QSO")}) {
            const qsizetype at = lines.indexOf(title);
            QVERIFY2(at >= 0, qPrintable(title));
            QCOMPARE(lines.value(at + 1), QString(title.size(), QLatin1Char('-')));
        }
        QVERIFY(lines.indexOf("How to make your log") < lines.indexOf("How to type a QSO"));
        // It tells what the program really offers and the keys it really has.
        for (const char* phrase : {"SAC-CW or SAC-SSB",
                                   "NON-ASSISTED or ASSISTED",
                                   "ALL, 80M, 40M, 20M, 15M or 10M",
                                   "SINGLE-OP, MULTI-OP or CHECKLOG",
                                   "ONE or UNLIMITED",
                                   "HIGH, LOW or QRP",
                                   "CLASSIC or WIRE-ONLY",
                                   "ALL or LOW-BAND",
                                   "Last.log",
                                   "Alt+B",
                                   "Alt+V",
                                   "1200",
                                   "UTC",
                                   "Space",
                                   "Esc",
                                   "Delete last row",
                                   "SM5QQQ-P.log",
                                   "Kerolt",
                                   "\u2022 ",
                                   "Alt+F for File",
                                   "Alt+U for",
                                   "Alt+H for Help",
                                   "Alt+K runs Check",
                                   "F10 opens the File menu",
                                   "Ctrl+N starts a new log",
                                   "Ctrl+O opens a log, Ctrl+S saves it,"}) {
            QVERIFY2(text.contains(QString::fromUtf8(phrase)), phrase);
        }
    }

    void HelpUsesComicSans() {
        if (!QFontDatabase::families().contains(QStringLiteral("Comic Neue"))) {
            QSKIP("Comic Neue is not installed");
        }
        QCOMPARE(QFontInfo(form3_->Memo1->font()).family(), QStringLiteral("Comic Neue"));
        QCOMPARE(form3_->Memo1->font().pixelSize(), 13);
    }

    void AboutBoxShowsTheProgram() {
        form_->About1->trigger();
        form_->About1->trigger();
        QVERIFY(aboutBox_->isVisible());
        QVERIFY(!aboutBox_->isModal());
        QCOMPARE(aboutBox_->windowTitle(), QStringLiteral("About"));
        QCOMPARE(aboutBox_->minimumSize(), aboutBox_->maximumSize());
        QCOMPARE(aboutBox_->ProductName->text(),
                 QStringLiteral("Manual Cabrillo log input for SAC"));
        QCOMPARE(aboutBox_->Version->text(), QStringLiteral("Version - 2.31  2011-09-16"));
        QCOMPARE(aboutBox_->Comments->text(), QStringLiteral("To make SAC easy"));
        QVERIFY(!aboutBox_->Copyright->text().isEmpty());
        QVERIFY(!aboutBox_->ProgramIcon->pixmap().isNull());
        QVERIFY(aboutBox_->OKButton->isDefault());
    }

    void EnterClosesTheAboutBox() {
        form_->About1->trigger();
        QVERIFY(Activate(aboutBox_.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!aboutBox_->isVisible());
        form_->About1->trigger();
        QVERIFY(aboutBox_->isVisible());
        QTest::mouseClick(aboutBox_->OKButton, Qt::LeftButton);
        QVERIFY(!aboutBox_->isVisible());
    }

    void MainWindowTakesInputMeanwhile() {
        form_->HowTo1->trigger();
        form_->About1->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(aboutBox_.get()));
        QVERIFY(Activate(form_.get()));
        TypeInto(form_->CallEdit, "sm5qqq");
        QCOMPARE(form_->CallEdit->text(), QStringLiteral("SM5QQQ"));
        Key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form_->ContestBox);
        QVERIFY(aboutBox_->isVisible());
        QVERIFY(form3_->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(HelpAboutTest)
#include "HelpAboutTest.moc"
