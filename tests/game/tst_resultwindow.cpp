#include "app/gamestate.h"
#include "game/resultwindow.h"
#include "platform/windows.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

class TestResultWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createGameState(); }
    void cleanupTestCase() { releaseGameState(); }
    void cleanup();

    void window_hasItsSizeCaptionAndFrame();
    void labels_haveTheirPlaceAndLook_data();
    void labels_haveTheirPlaceAndLook();
    void labels_showTheTotalsOfTheGame_data();
    void labels_showTheTotalsOfTheGame();
    void window_takesNoKeyboardFocus();
    void escape_closesTheWindow();

private:
    // Loads the results modally and runs `body` on them once they show.
    void whileShown(const std::function<void(ResultWindow *)> &body);
};

void TestResultWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestResultWindow::whileShown(const std::function<void(ResultWindow *)> &body)
{
    bool ran = false;
    QTimer::singleShot(0, this, [&] {
        QPointer<ResultWindow> window = qobject_cast<ResultWindow *>(QApplication::activeModalWidget());
        ran = true;
        if (!window)
            return;
        body(window);
        if (window)
            window->close();
    });
    loadModally(new ResultWindow);
    QVERIFY(ran);
}

void TestResultWindow::window_hasItsSizeCaptionAndFrame()
{
    whileShown([](ResultWindow *window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->objectName(), QStringLiteral("resultwindow"));
        QCOMPARE(window->frameGeometry().size(), QSize(380, 250));
        QCOMPARE(window->windowTitle(), QStringLiteral("结果页"));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!window->autoFillBackground());
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 1);
    });
}

void TestResultWindow::labels_haveTheirPlaceAndLook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("zonggong") << "zonggong" << QRect(72, 40, 208, 32);
    QTest::newRow("zhengque") << "zhengque" << QRect(72, 85, 200, 32);
    QTest::newRow("caizhonglv") << "caizhonglv" << QRect(72, 128, 208, 32);
}

void TestResultWindow::labels_haveTheirPlaceAndLook()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    ResultWindow window;
    auto *label = window.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("标签")); // until the window is created
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->font().families().value(0), QStringLiteral("黑体"));
    QVERIFY(label->font().families().contains(QStringLiteral("Noto Sans CJK SC")));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 14);
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(!label->wordWrap());
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TestResultWindow::labels_showTheTotalsOfTheGame_data()
{
    QTest::addColumn<qint32>("answered");
    QTest::addColumn<qint32>("correct");
    QTest::addColumn<QString>("rate");
    QTest::newRow("3 of 5") << 5 << 3 << QStringLiteral("猜中率：60%");
    QTest::newRow("3 of 4") << 4 << 3 << QStringLiteral("猜中率：75%");
    QTest::newRow("1 of 3") << 3 << 1 << QStringLiteral("猜中率：33.33333333333%");
    QTest::newRow("2 of 3") << 3 << 2 << QStringLiteral("猜中率：66.66666666667%");
    QTest::newRow("2 of 2") << 2 << 2 << QStringLiteral("猜中率：100%");
    QTest::newRow("all skipped") << 4 << 0 << QStringLiteral("猜中率：0%");
    QTest::newRow("0 of 5") << 5 << 0 << QStringLiteral("猜中率：0%");
    QTest::newRow("nothing answered") << 0 << 0 << QStringLiteral("猜中率：0%");
}

void TestResultWindow::labels_showTheTotalsOfTheGame()
{
    QFETCH(qint32, answered);
    QFETCH(qint32, correct);
    QFETCH(QString, rate);
    gameState().answered = answered;
    gameState().correct = correct;
    QStringList texts;
    whileShown([&](ResultWindow *window) {
        for (const char *name : {"zonggong", "zhengque", "caizhonglv"})
            texts.append(window->findChild<QLabel *>(QString::fromLatin1(name))->text());
    });
    QCOMPARE(texts, QStringList({QStringLiteral("总共%1个词语").arg(answered),
                                 QStringLiteral("猜正确%1个词语").arg(correct), rate}));
    // The results only read the game state.
    QCOMPARE(gameState().answered, answered);
    QCOMPARE(gameState().correct, correct);
}

void TestResultWindow::window_takesNoKeyboardFocus()
{
    ResultWindow window;
    const QList<QWidget *> children = window.findChildren<QWidget *>();
    QCOMPARE(children.size(), 3);
    for (const QWidget *child : children)
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
}

void TestResultWindow::escape_closesTheWindow()
{
    bool closedByEscape = false;
    QTimer::singleShot(0, this, [&] {
        QPointer<QWidget> window = QApplication::activeModalWidget();
        QVERIFY(qobject_cast<ResultWindow *>(window));
        QTest::keyClick(window, Qt::Key_Escape);
        closedByEscape = !window || !window->isVisible();
        if (window && window->isVisible())
            window->close();
    });
    loadModally(new ResultWindow);
    QVERIFY(closedByEscape);
}

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
