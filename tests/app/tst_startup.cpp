#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QUrl>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void program_endsWithCodeZeroAndOneCleanup_data();
    void program_endsWithCodeZeroAndOneCleanup();
};

void TestStartup::program_endsWithCodeZeroAndOneCleanup_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("loopEnds");
    QTest::newRow("main window closed") << "close" << true;
    QTest::newRow("end of the program requested") << "end" << false;
}

void TestStartup::program_endsWithCodeZeroAndOneCleanup()
{
    QFETCH(QString, action);
    QFETCH(bool, loopEnds);
    QProcess probe;
    probe.start(QStringLiteral(STARTUP_PROBE), {action});
    QVERIFY(probe.waitForFinished(60000));
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    QVERIFY2(out.contains("started mainwindow, state created"), qPrintable(out));
    QVERIFY2(out.contains("icon set"), qPrintable(out));
    QVERIFY2(out.contains("cleanup runs 1, state released"), qPrintable(out));
    QCOMPARE(out.contains("event loop ended"), loopEnds);

    // Closing the main window opens the home page beside the program once; a
    // requested end opens no page at all.
    const QString programFolder = QFileInfo(QStringLiteral(STARTUP_PROBE)).canonicalPath();
    const QString homePage = QUrl::fromLocalFile(programFolder + "/pages/home.html").toString();
    QStringList opened;
    for (const QString &line : out.split(u'\n')) {
        if (line.startsWith("open "))
            opened.append(line.mid(5));
    }
    QCOMPARE(opened, loopEnds ? QStringList({homePage}) : QStringList());
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
