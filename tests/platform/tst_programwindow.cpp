#include "platform/programwindow.h"
#include "platform/windows.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// Records what happened to it, in order.
class ProbeWindow final : public ProgramWindow
{
public:
    explicit ProbeWindow(QStringList *log, bool destroyWhileCreated = false)
        : log(log), destroyWhileCreated(destroyWhileCreated)
    {
        setFixedOuterSize(300, 200);
    }
    ~ProbeWindow() override { log->append("destroyed"); }
    void created() override
    {
        log->append(isVisible() ? "created while visible" : "created");
        if (destroyWhileCreated)
            destroyWindow();
    }
    void willBeDestroyed() override { log->append("will be destroyed"); }
    void showEvent(QShowEvent *event) override
    {
        ProgramWindow::showEvent(event);
        log->append("shown");
    }

    QStringList *log;
    bool destroyWhileCreated;
};

} // namespace

class TestProgramWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { log.clear(); }
    void cleanup();
    void loadModally_raisesCreatedBeforeShowingAndReturnsAfterDestroy();
    void loadModally_blocksTheOtherWindowsWhileItRuns();
    void loadModally_aWindowDestroyedWhileCreatedIsNeverShown();
    void escape_closesTheWindowAndRaisesWillBeDestroyedOnce();
    void window_hasItsOuterSizeAndIsCentred();

private:
    QStringList log; // outlives every window a test leaves behind
};

void TestProgramWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestProgramWindow::loadModally_raisesCreatedBeforeShowingAndReturnsAfterDestroy()
{
    QTimer::singleShot(0, this, [&] {
        log.append("loop running");
        auto *window = qobject_cast<ProgramWindow *>(QApplication::activeModalWidget());
        QVERIFY(window);
        window->destroyWindow();
    });
    loadModally(new ProbeWindow(&log));
    log.append("returned");
    QCOMPARE(log, QStringList({"created", "shown", "loop running", "will be destroyed", "destroyed", "returned"}));
}

void TestProgramWindow::loadModally_blocksTheOtherWindowsWhileItRuns()
{
    QWidget other;
    other.show();
    bool blocked = false;
    QTimer::singleShot(0, this, [&] {
        auto *window = qobject_cast<ProgramWindow *>(QApplication::activeModalWidget());
        QVERIFY(window);
        blocked = window->windowModality() == Qt::ApplicationModal && QApplication::activeModalWidget() == window;
        window->close();
    });
    loadModally(new ProbeWindow(&log));
    QVERIFY(blocked);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestProgramWindow::loadModally_aWindowDestroyedWhileCreatedIsNeverShown()
{
    loadModally(new ProbeWindow(&log, true));
    QCOMPARE(log, QStringList({"created", "destroyed"}));
}

void TestProgramWindow::escape_closesTheWindowAndRaisesWillBeDestroyedOnce()
{
    QPointer<ProbeWindow> window = new ProbeWindow(&log);
    loadStartupWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(log.count("will be destroyed"), 1);
}

void TestProgramWindow::window_hasItsOuterSizeAndIsCentred()
{
    QPointer<ProbeWindow> window = new ProbeWindow(&log);
    loadStartupWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->frameGeometry().size(), QSize(300, 200));
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY2(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 1,
             qPrintable(QStringLiteral("%1 in %2").arg(window->frameGeometry().x()).arg(screen.width())));
    QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 1);
    window->close();
}

QTEST_MAIN(TestProgramWindow)
#include "tst_programwindow.moc"
