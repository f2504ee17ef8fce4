#include <QProcess>
#include <QTest>

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
    QVERIFY2(out.contains("cleanup runs 1, state released"), qPrintable(out));
    QCOMPARE(out.contains("event loop ended"), loopEnds);
    if (!loopEnds)
        QVERIFY2(!out.contains("open "), qPrintable(out)); // no farewell page on a requested end
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
