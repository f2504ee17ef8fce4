#include "platform/messagebox.h"
#include "platform/qtshell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void flags_giveButtonsAndIcon_data();
    void flags_giveButtonsAndIcon();
    void messageBox_returnsZeroForOkAndOneOtherwise_data();
    void messageBox_returnsZeroForOkAndOneOtherwise();
};

void TestMessageBox::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestMessageBox::flags_giveButtonsAndIcon_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("hasCancel");
    QTest::addColumn<int>("icon");
    QTest::newRow("0: OK only, no icon") << 0 << false << int(QMessageBox::NoIcon);
    QTest::newRow("1: OK and Cancel") << 1 << true << int(QMessageBox::NoIcon);
    QTest::newRow("16: stop icon") << 16 << false << int(QMessageBox::Critical);
    QTest::newRow("64: information icon") << 64 << false << int(QMessageBox::Information);
    QTest::newRow("17: OK, Cancel and stop") << 17 << true << int(QMessageBox::Critical);
    QTest::newRow("65: OK, Cancel and information") << 65 << true << int(QMessageBox::Information);
}

void TestMessageBox::flags_giveButtonsAndIcon()
{
    QFETCH(int, flags);
    QFETCH(bool, hasCancel);
    QFETCH(int, icon);
    std::unique_ptr<QMessageBox> box(buildMessageBox(QStringLiteral("请先选择时间！"), flags, QStringLiteral("提示")));
    QCOMPARE(box->text(), QStringLiteral("请先选择时间！"));
    QCOMPARE(box->windowTitle(), QStringLiteral("提示"));
    QCOMPARE(int(box->icon()), icon);
    QVERIFY(box->parent() == nullptr);
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QVERIFY(box->button(QMessageBox::Ok) != nullptr);
    QCOMPARE(box->button(QMessageBox::Cancel) != nullptr, hasCancel);
    QCOMPARE(box->buttons().size(), hasCancel ? 2 : 1);
}

void TestMessageBox::messageBox_returnsZeroForOkAndOneOtherwise_data()
{
    using Answer = std::function<void(QMessageBox *)>;
    QTest::addColumn<int>("flags");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");
    const Answer clickOk = [](QMessageBox *box) { box->button(QMessageBox::Ok)->click(); };
    const Answer clickCancel = [](QMessageBox *box) { box->button(QMessageBox::Cancel)->click(); };
    const Answer pressEscape = [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); };
    const Answer closeBox = [](QMessageBox *box) { box->close(); };
    QTest::newRow("OK of an OK box") << 0 << clickOk << 0;
    QTest::newRow("OK of an OK/Cancel box") << 1 << clickOk << 0;
    QTest::newRow("Cancel") << 1 << clickCancel << 1;
    QTest::newRow("Esc on OK/Cancel") << 1 << pressEscape << 1;
    QTest::newRow("closed OK/Cancel") << 1 << closeBox << 1;
    QTest::newRow("Esc on OK only gives its one answer") << 64 << pressEscape << 0;
}

void TestMessageBox::messageBox_returnsZeroForOkAndOneOtherwise()
{
    using Answer = std::function<void(QMessageBox *)>;
    QFETCH(int, flags);
    QFETCH(Answer, answer);
    QFETCH(int, result);
    bool answered = false;
    // The box runs its own event loop; answer it from inside that loop.
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        answer(box);
        answered = true;
    });
    QtShell shell;
    QCOMPARE(shell.messageBox(QStringLiteral("确认删除"), flags, QStringLiteral("警告")), result);
    QVERIFY(answered);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
