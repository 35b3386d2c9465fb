#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>

#include "UiTestSupport.h"
#include "ui/support/CoreText.h"
#include "ui/features/rig/RigControl.h"
#include "ui/features/rig/RigDialog.h"
#include "ui/features/rig/RigSettings.h"

using namespace kerolt;
using namespace kerolt::test;

// Against Hamlib's own server with its dummy rig, on a free loopback port: rigctld -m 1 plays
// the radio, rigctl turns its knobs, the window reaches it as "NET rigctl".
class RigTest : public QObject {
    Q_OBJECT

    QProcess server_;
    QString address_;
    QString port_;

    // The dummy rig on 14025 kHz CW; it may take a moment to listen.
    void StartServer() {
        server_.start(QStringLiteral("rigctld"), {"-m", "1", "-T", "127.0.0.1", "-t", port_});
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY(Rigctl({"F", "14025000", "M", "CW", "500"}));
    }

    bool Rigctl(const QStringList& command) {
        return QProcess::execute(QStringLiteral("rigctl"),
                                 QStringList{"-m", "2", "-r", address_} + command) == 0;
    }

  private slots:
    void initTestCase() {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        address_ = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
        port_ = QString::number(probe.serverPort());
        probe.close();
        StartServer();
    }
    void cleanupTestCase() {
        server_.kill();
        server_.waitForFinished();
    }

    void bandAndFrequencyFollowTheRigWhileItIsThere() {
        ScratchFolder folder;
        Window w;
        QVERIFY(w.Open());
        TForm1& f = *w.Form;
        QLabel* const rigPanel = f.findChild<QLabel*>("RigPanel");
        QAction* const rig1 = f.findChild<QAction*>("Rig1");
        w.StartLog(QStringLiteral("SM5QQQ"));
        QVERIFY(rigPanel->isHidden());
        RigControl::Of(f).SetPollInterval(20);
        w.Prompts.Rigs.push_back({2, address_, 0});
        rig1->trigger();
        QCOMPARE(LoadRigSettings().Port, address_);

        QTRY_COMPARE(rigPanel->text(), QStringLiteral("14025 CW"));
        QVERIFY(rigPanel->isVisible());
        QCOMPARE(f.FrekvensEdit->currentText(), QStringLiteral("14000"));
        w.TypeQso(QString(), QStringLiteral("1200"), QStringLiteral("OH2AB"), QStringLiteral("5"));
        QCOMPARE(ToUi(f.Log().Cell(1, ColFreq)), QStringLiteral("14025"));
        QVERIFY(ToUi(f.CabrilloLines()).join('\n').contains("\nQSO: 14025 CW "));

        // A band typed by hand stays while the rig keeps its frequency, and is what a QSO
        // carries; the rig's next move takes the selector back.
        Key(Qt::Key_B, Qt::AltModifier);
        QVERIFY(Rigctl({"M", "USB", "2400"}));
        QTRY_COMPARE(rigPanel->text(), QStringLiteral("14025 USB (not CW)"));
        QCOMPARE(f.FrekvensEdit->currentText(), QStringLiteral("21000"));
        QVERIFY(Rigctl({"F", "7025000"}));
        QTRY_COMPARE(f.FrekvensEdit->currentText(), QStringLiteral(" 7000"));

        // Without the rig typing goes on, on the band last shown.
        server_.kill();
        QTRY_COMPARE(rigPanel->text(), QStringLiteral("no rig"));
        w.TypeQso(QString(), QStringLiteral("1201"), QStringLiteral("OH3AB"), QStringLiteral("6"));
        QCOMPARE(ToUi(f.Log().Cell(2, ColFreq)), QStringLiteral(" 7000"));
        // The rig back on is found again.
        server_.waitForFinished();
        StartServer();
        QTRY_COMPARE(rigPanel->text(), QStringLiteral("14025 CW"));

        w.Prompts.Rigs.push_back({});
        rig1->trigger();
        QVERIFY(rigPanel->isHidden());
    }

    // A rig that takes the connection and never answers holds the rig's thread inside Hamlib
    // for two calls' timeouts; the window goes at once all the same.
    void windowClosesAtOnceWhileARigNeverAnswers() {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        Window w;
        QVERIFY(w.Open());
        w.Prompts.Rigs.push_back({2, QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()), 0});
        w.Form->findChild<QAction*>("Rig1")->trigger();
        QVERIFY(silent.waitForNewConnection(5000));

        QElapsedTimer closing;
        closing.start();
        QVERIFY(w.Form->close());
        w.Form.reset();
        QVERIFY2(closing.elapsed() < 500, qPrintable(QString::number(closing.elapsed())));
    }

    // The same as a whole program: it ends normally, its rig's thread done before it.
    void programEndsCleanlyWhileARigNeverAnswers() {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QProcess program;
        program.start(QStringLiteral(KEROLT_WINDOW_PROBE),
                      {"exit", QStringLiteral("127.0.0.1:%1").arg(silent.serverPort())});
        QVERIFY(silent.waitForNewConnection(5000));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QByteArray errors = program.readAllStandardError();
        QVERIFY2(!errors.contains("QThread"), errors.constData());
    }

    // A rig kept in the user's settings, where the program keeps it: it reaches the program
    // (the probe made to read the user's place), never a window test.
    void aRigInTheUsersSettingsNeverReachesAWindowTest_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("reached");
        QTest::newRow("window test") << QStringList{"settings"} << QByteArray("rig 0 hidden\n");
        QTest::newRow("the program's place")
            << QStringList{"settings", "--as-the-user"} << QByteArray("rig 1 shown\n");
    }
    void aRigInTheUsersSettingsNeverReachesAWindowTest() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, reached);
        QTemporaryDir home;
        {
            // Hamlib's dummy rig, which needs no radio.
            QSettings user(home.filePath(".config/Kerolt/Kerolt.conf"), QSettings::IniFormat);
            user.setValue("Rig/Model", 1);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.remove("XDG_CONFIG_HOME");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KEROLT_WINDOW_PROBE), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), reached);
    }

    void dialogOffersHamlibsModelsAfterOff() {
        RigDialog dialog({2, QStringLiteral("localhost:4532"), 9600});
        QCOMPARE(dialog.ModelBox->itemText(0), QStringLiteral("Off"));
        QCOMPARE(dialog.ModelBox->currentText(), QStringLiteral("Hamlib NET rigctl"));
        const RigSettings chosen = dialog.Chosen();
        QVERIFY(chosen.Model == 2 && chosen.Port == "localhost:4532" && chosen.Speed == 9600);
        dialog.ModelBox->setCurrentIndex(0);
        QVERIFY(!dialog.Chosen().On());
    }
};

QTEST_MAIN(RigTest)
#include "RigTest.moc"
