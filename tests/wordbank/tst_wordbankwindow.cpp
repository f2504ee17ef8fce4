#include "app/gamestate.h"
#include "platform/shell.h"
#include "platform/windows.h"
#include "tests/support/banklock.h"
#include "tests/support/recordingshell.h"
#include "tests/support/tempwordbank.h"
#include "tests/support/unusablebanks.h"
#include "wordbank/wordbankconnection.h"
#include "wordbank/wordbankwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

using Rows = QList<QStringList>; // 编号, 词语, 字数 of each row

QLineEdit *edit(QWidget *window, const char16_t *name)
{
    return window->findChild<QLineEdit *>(QString::fromUtf16(name));
}
QLineEdit *ciyu(QWidget *window) { return edit(window, u"ciyu"); }
QLineEdit *zishu(QWidget *window) { return edit(window, u"zishu"); }
QTableView *xinxi(QWidget *window) { return window->findChild<QTableView *>(QStringLiteral("xinxi")); }
QString tiaoshu(QWidget *window) { return window->findChild<QLabel *>(QStringLiteral("tiaoshu"))->text(); }

void click(QWidget *window, QStringView buttonName)
{
    auto *button = window->findChild<QPushButton *>(buttonName.toString());
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void click(QWidget *window, const char16_t *buttonName)
{
    click(window, QString::fromUtf16(buttonName));
}

void clickRow(QWidget *window, int row)
{
    QTableView *list = xinxi(window);
    const QModelIndex index = list->model()->index(row, 1);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

// Replaces the text of an edit box as the player does: select all, delete,
// then the new text committed by the input method, as Chinese is typed.
void typeInto(QLineEdit *box, const QString &text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QString());
    if (text.isEmpty())
        return;
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
    QCOMPARE(box->text(), text);
}

Rows listed(QWidget *window)
{
    const QAbstractItemModel *model = xinxi(window)->model();
    Rows rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells.append(model->index(row, column).data().toString());
        rows.append(cells);
    }
    return rows;
}

QStringList cellsOf(const TempWordBank::Row &row)
{
    return {QString::number(row.id), row.word, row.count};
}

// The bank as the manager lists it when it opens: highest ID first.
Rows newestFirst(const TempWordBank &bank)
{
    Rows rows;
    const QList<TempWordBank::Row> stored = bank.rows();
    for (auto it = stored.crbegin(); it != stored.crend(); ++it)
        rows.append(cellsOf(*it));
    return rows;
}

const QStringList threeWords = {QStringLiteral("大象"), QStringLiteral("小猫"), QStringLiteral("长颈鹿")};

} // namespace

class TestWordBankWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createGameState(); }
    void cleanupTestCase() { releaseGameState(); }
    void init();
    void cleanup();

    void window_hasItsCaptionSizeAndFrame();
    void window_closesOnEsc();
    void controls_haveTheirPlaceAndText_data();
    void controls_haveTheirPlaceAndText();
    void editBoxes_haveTheirLooks();
    void countLabel_isRedBoldHeiti();
    void list_isAReportWithItsColumns();
    void list_marksTheSelectionOnlyWithTheFocus();
    void tab_cyclesTheControlsInOrder();

    void open_listsNewestFirstAndCounts_data();
    void open_listsNewestFirstAndCounts();
    void open_missingBankEndsTheProgramWithoutShowing();
    void open_unusableBankSaysWhyAndDoesNotShow_data();
    void open_unusableBankSaysWhyAndDoesNotShow();
    void open_largeBankListsEveryRow();

    void select_copiesTheRowKeepingItsStoredCount_data();
    void select_copiesTheRowKeepingItsStoredCount();
    void select_clickOnTheCurrentRowCopiesNothing();
    void select_arrowKeysCopyTheNextRow();
    void clear_emptiesBothBoxes();
    void suggestion_countsCharacters_data();
    void suggestion_countsCharacters();
    void suggestion_followsEveryKey();

    void add_duplicateIsRefusedBeforeTheEmptyTest_data();
    void add_duplicateIsRefusedBeforeTheEmptyTest();
    void add_emptyFieldIsRefused_data();
    void add_emptyFieldIsRefused();
    void add_listsTheNewWordFirstAndClearsTheBoxes();

    void modify_withoutSelectionAsksForOne();
    void modify_emptyFieldIsRefused();
    void modify_changesTheSelectedRowOnly();
    void modify_toAnotherRowsWordMakesASecondRow();

    void delete_withoutSelectionAsksForOne();
    void delete_cancelChangesNothing();
    void delete_removesTheRowAndForgetsTheSelection();

    void selection_ofAnEarlierVisitStays_data();
    void selection_ofAnEarlierVisitStays();

    void rejectedChange_isToldAndKeepsBoxesAndList_data();
    void rejectedChange_isToldAndKeepsBoxesAndList();
    void removedBank_changesAreToldAsFailedAndNothingIsRecreated_data();
    void removedBank_changesAreToldAsFailedAndNothingIsRecreated();

    void search_listsMatchingWords_data();
    void search_listsMatchingWords();
    void search_fortyInARowStillListRows();

    void hostileWords_surviveAddSearchModifyDelete_data();
    void hostileWords_surviveAddSearchModifyDelete();

private:
    // Loads the manager modally and runs `body` on it once it shows; returns
    // whether it showed. The manager is closed after the body if still open.
    bool manage(const std::function<void(WordBankWindow *)> &body);
};

void TestWordBankWindow::init()
{
    GameState &state = gameState();
    state.recordset = 0;
    state.wordcount = 0;
    state.selectedid.clear();
}

void TestWordBankWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

bool TestWordBankWindow::manage(const std::function<void(WordBankWindow *)> &body)
{
    bool shown = false;
    auto *window = new WordBankWindow;
    QTimer::singleShot(0, window, [&, window] {
        QPointer<WordBankWindow> manager = window;
        shown = QApplication::activeModalWidget() == window && window->isVisible();
        body(window);
        if (manager && !manager->destroyRequested())
            manager->close();
    });
    loadModally(window);
    return shown;
}

void TestWordBankWindow::window_hasItsCaptionSizeAndFrame()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([](WordBankWindow *window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->objectName(), QStringLiteral("wordbankwindow"));
        QCOMPARE(window->windowTitle(), QStringLiteral("词库管理"));
        QCOMPARE(window->frameGeometry().size(), QSize(504, 371));
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 1);
        auto *connection = window->findChild<WordBankConnection *>(QStringLiteral("外部数据库1"));
        QVERIFY(connection);
        QVERIFY(connection->isOpen());
    }));
    QVERIFY(shell.messages.isEmpty());
}

void TestWordBankWindow::window_closesOnEsc()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QPointer<WordBankWindow> seen;
    QVERIFY(manage([&](WordBankWindow *window) {
        seen = window;
        QTest::keyClick(xinxi(window), Qt::Key_Escape);
    }));
    QVERIFY(!seen);
}

void TestWordBankWindow::controls_haveTheirPlaceAndText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("分组框1") << "分组框1" << "QGroupBox" << QRect(16, 5, 456, 40) << "";
    QTest::newRow("标签1") << "标签1" << "QLabel" << QRect(26, 16, 40, 24) << "词语：";
    QTest::newRow("ciyu") << "ciyu" << "QLineEdit" << QRect(63, 16, 209, 24) << "";
    QTest::newRow("标签3") << "标签3" << "QLabel" << QRect(287, 16, 40, 24) << "字数：";
    QTest::newRow("zishu") << "zishu" << "QLineEdit" << QRect(328, 16, 56, 24) << "";
    QTest::newRow("按钮5") << "按钮5" << "QPushButton" << QRect(400, 16, 56, 24) << "清空";
    QTest::newRow("xinxi") << "xinxi" << "QTableView" << QRect(24, 48, 248, 280) << "";
    QTest::newRow("tiaoshu") << "tiaoshu" << "QLabel" << QRect(320, 88, 144, 32) << "";
    QTest::newRow("zengjiabtn") << "zengjiabtn" << "QPushButton" << QRect(328, 162, 112, 24) << "增加";
    QTest::newRow("shanchbtn") << "shanchbtn" << "QPushButton" << QRect(328, 203, 112, 24) << "删除";
    QTest::newRow("updatebtn") << "updatebtn" << "QPushButton" << QRect(328, 240, 112, 24) << "修改";
    QTest::newRow("selectbtn") << "selectbtn" << "QPushButton" << QRect(328, 280, 112, 24) << "查询";
}

void TestWordBankWindow::controls_haveTheirPlaceAndText()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    // As built, before it is created and fills its list.
    WordBankWindow window;
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &window);
    QVERIFY(control->inherits(kind.toLatin1()));
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(!control->isHidden());
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        QCOMPARE(box->text(), text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        QCOMPARE(frame->title(), text);
    else
        QCOMPARE(qobject_cast<QTableView *>(control)->model()->rowCount(), 0);
}

void TestWordBankWindow::editBoxes_haveTheirLooks()
{
    RecordingShell shell;
    TempWordBank bank;
    QVERIFY(manage([](WordBankWindow *window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QLineEdit *word = ciyu(window);
        QLineEdit *count = zishu(window);
        QVERIFY(!word->isReadOnly());
        QVERIFY(!count->isReadOnly());
        QCOMPARE(word->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        // The count box takes the focus from a click but is no Tab stop.
        QCOMPARE(count->focusPolicy() & Qt::TabFocus, 0);
        QCOMPARE(count->focusPolicy() & Qt::ClickFocus, Qt::ClickFocus);

        const QImage countShot = count->grab().toImage();
        const QColor grey(236, 236, 236);
        QCOMPARE(countShot.pixelColor(count->width() / 2, count->height() / 2), grey);
        QCOMPARE(countShot.pixelColor(count->width() - 4, 3), grey);
        // A border one pixel wide, dark on every side.
        for (const QPoint corner : {QPoint(0, 0), QPoint(count->width() - 1, count->height() - 1),
                                    QPoint(count->width() / 2, 0), QPoint(0, count->height() / 2)})
            QVERIFY(countShot.pixelColor(corner).lightness() < 100);
        QCOMPARE(countShot.pixelColor(1, count->height() / 2), grey);

        const QImage wordShot = word->grab().toImage();
        QCOMPARE(wordShot.pixelColor(word->width() / 2, word->height() / 2), QColor(Qt::white));
        QCOMPARE(word->hasFrame(), true);
    }));
}

void TestWordBankWindow::countLabel_isRedBoldHeiti()
{
    WordBankWindow window;
    auto *label = window.findChild<QLabel *>(QStringLiteral("tiaoshu"));
    QCOMPARE(label->font().families(),
             QStringList({QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")}));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 14);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestWordBankWindow::list_isAReportWithItsColumns()
{
    WordBankWindow window;
    QTableView *list = xinxi(&window);
    QVERIFY(!list->horizontalHeader()->isHidden());
    QVERIFY(list->verticalHeader()->isHidden());
    QVERIFY(list->showGrid());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!list->isSortingEnabled());
    QVERIFY(!list->horizontalHeader()->sectionsClickable());
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    const QAbstractItemModel *model = list->model();
    QCOMPARE(model->columnCount(), 3);
    const QStringList headers = {QStringLiteral("编号"), QStringLiteral("词语"), QStringLiteral("字数")};
    const int widths[] = {50, 135, 40};
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), headers[column]);
        QCOMPARE(list->columnWidth(column), widths[column]);
        QCOMPARE(Qt::Alignment(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt())
                     & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
    }
    // The list is a model's view, not one widget item per row.
    QVERIFY(model->parent() == &window);
    QVERIFY(!model->inherits("QStandardItemModel"));
}

void TestWordBankWindow::list_marksTheSelectionOnlyWithTheFocus()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([](WordBankWindow *window) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTableView *list = xinxi(window);
        clickRow(window, 1);
        const QRect row = list->visualRect(list->model()->index(1, 1));
        const QPoint inside(row.left() + row.width() - 3, row.center().y());
        auto colourAt = [&] { return list->viewport()->grab().toImage().pixelColor(inside); };
        // The style may shade the highlight by a step or two.
        auto near = [](const QColor &a, const QColor &b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 6;
        };
        QVERIFY(list->hasFocus());
        const QColor focused = colourAt();
        QVERIFY2(near(focused, list->palette().color(QPalette::Active, QPalette::Highlight)),
                 qPrintable(focused.name()));
        QVERIFY(!near(focused, list->palette().color(QPalette::Active, QPalette::Base)));
        ciyu(window)->setFocus();
        QTRY_VERIFY(!list->hasFocus());
        QCOMPARE(colourAt(), list->palette().color(QPalette::Inactive, QPalette::Base));
        QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight),
                 list->palette().color(QPalette::Inactive, QPalette::Base));
        QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::HighlightedText),
                 list->palette().color(QPalette::Inactive, QPalette::Text));
    }));
}

void TestWordBankWindow::tab_cyclesTheControlsInOrder()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([](WordBankWindow *window) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QStringList cycle = {"xinxi", "zengjiabtn", "shanchbtn", "updatebtn", "ciyu", "selectbtn", "按钮5"};
        window->findChild<QWidget *>(cycle[0])->setFocus();
        for (int step = 1; step <= cycle.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), cycle[step % cycle.size()]);
        }
        for (int step = cycle.size() - 1; step >= 0; --step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget()->objectName(), cycle[step]);
        }
    }));
}

void TestWordBankWindow::open_listsNewestFirstAndCounts_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::newRow("three words") << threeWords;
    QTest::newRow("empty bank") << QStringList();
    QTest::newRow("one word") << QStringList({QStringLiteral("大象")});
}

void TestWordBankWindow::open_listsNewestFirstAndCounts()
{
    QFETCH(QStringList, words);
    RecordingShell shell;
    TempWordBank bank(words);
    // A count that differs from the word's length is listed as stored.
    if (!words.isEmpty())
        bank.exec(QStringLiteral("update ciyu set 字数='9' where 词语=?"), {words.first()});
    QVERIFY(manage([&](WordBankWindow *window) {
        QCOMPARE(listed(window), newestFirst(bank));
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有%1条词语").arg(words.size()));
        QCOMPARE(gameState().wordcount, words.size());
        QCOMPARE(ciyu(window)->text(), QString());
        QCOMPARE(zishu(window)->text(), QString());
    }));
    if (words.size() == 3)
        QVERIFY(newestFirst(bank)[0][0].toLongLong() > newestFirst(bank)[2][0].toLongLong());
    QVERIFY(shell.messages.isEmpty());
}

void TestWordBankWindow::open_missingBankEndsTheProgramWithoutShowing()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    bank.remove();
    QVERIFY(!manage([](WordBankWindow *) { QFAIL("the manager showed without a bank"); }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("数据库不存在"));
    QCOMPARE(shell.messages[0].flags, 0);
    QCOMPARE(shell.messages[0].caption, QStringLiteral("警告"));
    QCOMPARE(shell.endRequests, 1);
    QVERIFY(!QFile::exists(bank.path()));
}

void TestWordBankWindow::open_unusableBankSaysWhyAndDoesNotShow_data()
{
    addUnusableBankRows();
}

void TestWordBankWindow::open_unusableBankSaysWhyAndDoesNotShow()
{
    QFETCH(Spoil, spoil);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    spoil(bank);
    const QByteArray before = standing(bank);
    QVERIFY(!manage([](WordBankWindow *) { QFAIL("the manager showed on an unusable bank"); }));
    QCOMPARE(standing(bank), before);
    QCOMPARE(shell.messages.size(), 1);
    QVERIFY2(shell.messages[0].text.startsWith(QStringLiteral("词库无法打开：")), qPrintable(shell.messages[0].text));
    QVERIFY(shell.messages[0].text.size() > QStringLiteral("词库无法打开：").size());
    QCOMPARE(shell.messages[0].flags, int(Shell::StopIcon));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(shell.endRequests, 0);
}

void TestWordBankWindow::open_largeBankListsEveryRow()
{
    RecordingShell shell;
    TempWordBank bank;
    bank.fill(20000);
    QVERIFY(manage([](WordBankWindow *window) {
        QCOMPARE(xinxi(window)->model()->rowCount(), 20000);
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有20000条词语"));
        const QAbstractItemModel *model = xinxi(window)->model();
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("词20000"));
        QCOMPARE(model->index(19999, 1).data().toString(), QStringLiteral("词1"));
        clickRow(window, 19999);
        QCOMPARE(ciyu(window)->text(), QStringLiteral("词1"));
    }));
}

void TestWordBankWindow::select_copiesTheRowKeepingItsStoredCount_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first row") << 0;
    QTest::newRow("middle row") << 1;
    QTest::newRow("last row") << 2;
}

void TestWordBankWindow::select_copiesTheRowKeepingItsStoredCount()
{
    QFETCH(int, row);
    RecordingShell shell;
    TempWordBank bank;
    bank.insert(QStringLiteral("大象"), QStringLiteral("7"));
    bank.insert(QStringLiteral("abc"), QStringLiteral("两个"));
    bank.insert(QStringLiteral("长颈鹿"), QString());
    QVERIFY(manage([&](WordBankWindow *window) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QStringList cells = newestFirst(bank)[row];
        clickRow(window, row);
        QCOMPARE(gameState().selectedid, cells[0]);
        QCOMPARE(ciyu(window)->text(), cells[1]);
        QCOMPARE(zishu(window)->text(), cells[2]);
    }));
}

void TestWordBankWindow::select_clickOnTheCurrentRowCopiesNothing()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        clickRow(window, 1);
        QCOMPARE(ciyu(window)->text(), QStringLiteral("小猫"));
        typeInto(ciyu(window), QStringLiteral("小狗"));
        typeInto(zishu(window), QStringLiteral("5"));
        gameState().selectedid = QStringLiteral("marker");
        clickRow(window, 1);
        QCOMPARE(ciyu(window)->text(), QStringLiteral("小狗"));
        QCOMPARE(zishu(window)->text(), QStringLiteral("5"));
        QCOMPARE(gameState().selectedid, QStringLiteral("marker"));
        // Another row is copied again.
        clickRow(window, 2);
        QCOMPARE(ciyu(window)->text(), QStringLiteral("大象"));
        QCOMPARE(gameState().selectedid, newestFirst(bank)[2][0]);
    }));
}

void TestWordBankWindow::select_arrowKeysCopyTheNextRow()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        const Rows rows = newestFirst(bank);
        clickRow(window, 0);
        QCOMPARE(ciyu(window)->text(), rows[0][1]);
        QTest::keyClick(xinxi(window), Qt::Key_Down);
        QCOMPARE(ciyu(window)->text(), rows[1][1]);
        QCOMPARE(gameState().selectedid, rows[1][0]);
        QTest::keyClick(xinxi(window), Qt::Key_Down);
        QCOMPARE(ciyu(window)->text(), rows[2][1]);
        QTest::keyClick(xinxi(window), Qt::Key_Up);
        QCOMPARE(ciyu(window)->text(), rows[1][1]);
        QCOMPARE(zishu(window)->text(), rows[1][2]);
    }));
}

void TestWordBankWindow::clear_emptiesBothBoxes()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        clickRow(window, 0);
        QVERIFY(!ciyu(window)->text().isEmpty());
        QVERIFY(!zishu(window)->text().isEmpty());
        const QString selected = gameState().selectedid;
        click(window, u"按钮5");
        QCOMPARE(ciyu(window)->text(), QString());
        QCOMPARE(zishu(window)->text(), QString());
        QCOMPARE(gameState().selectedid, selected);
        QCOMPARE(listed(window), newestFirst(bank));
    }));
    QVERIFY(shell.messages.isEmpty());
}

void TestWordBankWindow::suggestion_countsCharacters_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("suggested");
    QTest::newRow("empty word") << "" << "0";
    QTest::newRow("latin abc") << "abc" << "3";
    QTest::newRow("latin and Chinese T恤") << "T恤" << "2";
    QTest::newRow("three Chinese characters") << "长颈鹿" << "3";
    QTest::newRow("idiom of four") << "画蛇添足" << "4";
    QTest::newRow("emoji and Chinese") << "🐘大象" << "3";
}

void TestWordBankWindow::suggestion_countsCharacters()
{
    QFETCH(QString, word);
    QFETCH(QString, suggested);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        typeInto(zishu(window), QStringLiteral("99"));
        typeInto(ciyu(window), QStringLiteral("x"));
        typeInto(ciyu(window), word);
        QCOMPARE(zishu(window)->text(), suggested);
        // The player may overwrite the suggestion.
        typeInto(zishu(window), QStringLiteral("12"));
        QCOMPARE(zishu(window)->text(), QStringLiteral("12"));
    }));
}

void TestWordBankWindow::suggestion_followsEveryKey()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([](WordBankWindow *window) {
        QLineEdit *word = ciyu(window);
        QTest::keyClick(word, Qt::Key_A);
        QCOMPARE(zishu(window)->text(), QStringLiteral("1"));
        QTest::keyClick(word, Qt::Key_B);
        QCOMPARE(zishu(window)->text(), QStringLiteral("2"));
        QTest::keyClick(word, Qt::Key_C);
        QCOMPARE(zishu(window)->text(), QStringLiteral("3"));
        QTest::keyClick(word, Qt::Key_Backspace);
        QCOMPARE(zishu(window)->text(), QStringLiteral("2"));
    }));
}

void TestWordBankWindow::add_duplicateIsRefusedBeforeTheEmptyTest_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("count filled") << "2";
    QTest::newRow("count empty") << "";
}

void TestWordBankWindow::add_duplicateIsRefusedBeforeTheEmptyTest()
{
    QFETCH(QString, count);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const QList<TempWordBank::Row> before = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        const Rows listBefore = listed(window);
        typeInto(ciyu(window), QStringLiteral("小猫"));
        typeInto(zishu(window), count);
        click(window, u"zengjiabtn");
        QCOMPARE(listed(window), listBefore);
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有3条词语"));
        QCOMPARE(ciyu(window)->text(), QStringLiteral("小猫"));
        QCOMPARE(zishu(window)->text(), count);
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("已经有这个词了！"));
    QCOMPARE(shell.messages[0].flags, int(Shell::StopIcon));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(gameState().wordcount, 1);
    QCOMPARE(bank.rows(), before);
}

void TestWordBankWindow::add_emptyFieldIsRefused_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("count");
    QTest::newRow("count empty") << "河马" << "";
    QTest::newRow("word empty") << "" << "2";
    QTest::newRow("both empty") << "" << "";
}

void TestWordBankWindow::add_emptyFieldIsRefused()
{
    QFETCH(QString, word);
    QFETCH(QString, count);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const QList<TempWordBank::Row> before = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        const Rows listBefore = listed(window);
        typeInto(ciyu(window), word);
        typeInto(zishu(window), count);
        click(window, u"zengjiabtn");
        QCOMPARE(listed(window), listBefore);
        QCOMPARE(ciyu(window)->text(), word);
        QCOMPARE(zishu(window)->text(), count);
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("词语、字数不能为空！"));
    QCOMPARE(shell.messages[0].flags, int(Shell::StopIcon));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(bank.rows(), before);
}

void TestWordBankWindow::add_listsTheNewWordFirstAndClearsTheBoxes()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        typeInto(ciyu(window), QStringLiteral("河马"));
        typeInto(zishu(window), QStringLiteral("二"));
        click(window, u"zengjiabtn");
        QCOMPARE(ciyu(window)->text(), QString());
        QCOMPARE(zishu(window)->text(), QString());
        const Rows rows = listed(window);
        QCOMPARE(rows, newestFirst(bank));
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].mid(1), QStringList({QStringLiteral("河马"), QStringLiteral("二")}));
        QVERIFY(rows[0][0].toLongLong() > rows[1][0].toLongLong());
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有4条词语"));
        QCOMPARE(gameState().wordcount, 4);
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("添加成功！"));
    QCOMPARE(shell.messages[0].flags, int(Shell::InformationIcon));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(bank.words(), threeWords + QStringList{QStringLiteral("河马")});
}

void TestWordBankWindow::modify_withoutSelectionAsksForOne()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const QList<TempWordBank::Row> before = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        typeInto(ciyu(window), QStringLiteral("河马"));
        click(window, u"updatebtn");
        QCOMPARE(ciyu(window)->text(), QStringLiteral("河马"));
        QCOMPARE(zishu(window)->text(), QStringLiteral("2"));
        QCOMPARE(listed(window), newestFirst(bank));
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("请选择词语！"));
    QCOMPARE(shell.messages[0].flags, int(Shell::InformationIcon));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(bank.rows(), before);
}

void TestWordBankWindow::modify_emptyFieldIsRefused()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const QList<TempWordBank::Row> before = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        clickRow(window, 0);
        typeInto(zishu(window), QString());
        click(window, u"updatebtn");
        QCOMPARE(ciyu(window)->text(), QStringLiteral("长颈鹿"));
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("词语、字数不能为空！"));
    QCOMPARE(shell.messages[0].flags, int(Shell::StopIcon));
    QCOMPARE(bank.rows(), before);
}

void TestWordBankWindow::modify_changesTheSelectedRowOnly()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QList<TempWordBank::Row> expected = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        clickRow(window, 1); // 小猫
        typeInto(ciyu(window), QStringLiteral("小狗"));
        typeInto(zishu(window), QStringLiteral("两"));
        click(window, u"updatebtn");
        // The boxes keep what was typed; the list is read anew, newest first.
        QCOMPARE(ciyu(window)->text(), QStringLiteral("小狗"));
        QCOMPARE(zishu(window)->text(), QStringLiteral("两"));
        QCOMPARE(listed(window), newestFirst(bank));
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有3条词语"));
        QCOMPARE(gameState().selectedid, QString::number(expected[1].id));
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("修改成功！"));
    QCOMPARE(shell.messages[0].flags, int(Shell::InformationIcon));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("提示"));
    expected[1].word = QStringLiteral("小狗");
    expected[1].count = QStringLiteral("两");
    QCOMPARE(bank.rows(), expected);
}

void TestWordBankWindow::modify_toAnotherRowsWordMakesASecondRow()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        clickRow(window, 0); // 长颈鹿
        typeInto(ciyu(window), QStringLiteral("大象"));
        click(window, u"updatebtn");
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("修改成功！"));
    QCOMPARE(bank.words(), QStringList({QStringLiteral("大象"), QStringLiteral("小猫"), QStringLiteral("大象")}));
}

void TestWordBankWindow::delete_withoutSelectionAsksForOne()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const QList<TempWordBank::Row> before = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) { click(window, u"shanchbtn"); }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("请选择词语！"));
    QCOMPARE(shell.messages[0].flags, int(Shell::InformationIcon));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(bank.rows(), before);
}

void TestWordBankWindow::delete_cancelChangesNothing()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const QList<TempWordBank::Row> before = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        clickRow(window, 1);
        shell.answerNext(Shell::Cancel);
        click(window, u"shanchbtn");
        QCOMPARE(ciyu(window)->text(), QStringLiteral("小猫"));
        QCOMPARE(listed(window), newestFirst(bank));
        QCOMPARE(gameState().selectedid, QString::number(before[1].id));
    }));
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("确认删除"));
    QCOMPARE(shell.messages[0].flags, int(Shell::OkCancel));
    QCOMPARE(shell.messages[0].caption, QStringLiteral("警告"));
    QCOMPARE(bank.rows(), before);
}

void TestWordBankWindow::delete_removesTheRowAndForgetsTheSelection()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QList<TempWordBank::Row> expected = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        clickRow(window, 1); // 小猫
        click(window, u"shanchbtn");
        QCOMPARE(ciyu(window)->text(), QString());
        QCOMPARE(zishu(window)->text(), QString());
        QCOMPARE(gameState().selectedid, QString());
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有2条词语"));
        Rows rows = listed(window);
        std::sort(rows.begin(), rows.end(), [](const QStringList &a, const QStringList &b) {
            return a[0].toLongLong() < b[0].toLongLong();
        });
        QCOMPARE(rows, Rows({cellsOf(expected[0]), cellsOf(expected[2])}));

        // The word is gone: neither a second delete nor a modify acts on it.
        typeInto(ciyu(window), QStringLiteral("河马"));
        click(window, u"shanchbtn");
        click(window, u"updatebtn");
    }));
    QCOMPARE(shell.messages.size(), 3);
    QCOMPARE(shell.messages[0].text, QStringLiteral("确认删除"));
    QCOMPARE(shell.messages[1].text, QStringLiteral("请选择词语！"));
    QCOMPARE(shell.messages[2].text, QStringLiteral("请选择词语！"));
    expected.removeAt(1);
    QCOMPARE(bank.rows(), expected);
}

void TestWordBankWindow::selection_ofAnEarlierVisitStays_data()
{
    QTest::addColumn<bool>("deleting");
    QTest::newRow("delete") << true;
    QTest::newRow("modify") << false;
}

void TestWordBankWindow::selection_ofAnEarlierVisitStays()
{
    QFETCH(bool, deleting);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QList<TempWordBank::Row> expected = bank.rows();
    QVERIFY(manage([](WordBankWindow *window) { clickRow(window, 2); })); // 大象
    QCOMPARE(gameState().selectedid, QString::number(expected[0].id));
    QVERIFY(manage([&](WordBankWindow *window) {
        QCOMPARE(ciyu(window)->text(), QString());
        if (deleting) {
            click(window, u"shanchbtn");
        } else {
            typeInto(ciyu(window), QStringLiteral("非洲象"));
            click(window, u"updatebtn");
        }
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有%1条词语").arg(deleting ? 2 : 3));
    }));
    if (deleting) {
        expected.removeFirst();
    } else {
        expected[0].word = QStringLiteral("非洲象");
        expected[0].count = QStringLiteral("3");
    }
    QCOMPARE(bank.rows(), expected);
    QCOMPARE(shell.messages.last().text, deleting ? QStringLiteral("确认删除") : QStringLiteral("修改成功！"));
}

void TestWordBankWindow::rejectedChange_isToldAndKeepsBoxesAndList_data()
{
    // How the bank refuses: another program holds it, a trigger aborts the
    // statement, a trigger drops it silently, or the row is already gone.
    enum Refusal { Locked, Aborted, Dropped, Gone };
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QString>("message");
    const struct {
        const char *command;
        const char *prefix;
    } commands[] = {{"zengjiabtn", "添加失败："}, {"updatebtn", "修改失败："}, {"shanchbtn", "删除失败："}};
    for (const auto &command : commands) {
        const QString prefix = QString::fromUtf8(command.prefix);
        const bool adding = qstrcmp(command.command, "zengjiabtn") == 0;
        QTest::addRow("%s, bank locked", command.command) << command.command << int(Locked) << prefix;
        QTest::addRow("%s, aborted by a trigger", command.command) << command.command << int(Aborted)
                                                                   << prefix + QStringLiteral("只读");
        QTest::addRow("%s, dropped by a trigger", command.command)
            << command.command << int(Dropped)
            << prefix + (adding ? QStringLiteral("词库没有收下这个词语") : QStringLiteral("这个词语已经不在词库中"));
        if (!adding)
            QTest::addRow("%s, row deleted meanwhile", command.command)
                << command.command << int(Gone) << prefix + QStringLiteral("这个词语已经不在词库中");
    }
}

void TestWordBankWindow::rejectedChange_isToldAndKeepsBoxesAndList()
{
    enum Refusal { Locked, Aborted, Dropped, Gone };
    QFETCH(QString, command);
    QFETCH(int, refusal);
    QFETCH(QString, message);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const ShortBusyTimeout shortWait(200);
    const QString operation = command == QLatin1String("zengjiabtn") ? QStringLiteral("insert")
                              : command == QLatin1String("updatebtn") ? QStringLiteral("update")
                                                                      : QStringLiteral("delete");
    QList<TempWordBank::Row> expected = bank.rows();
    QVERIFY(manage([&](WordBankWindow *window) {
        const Rows listBefore = listed(window);
        if (command != QLatin1String("zengjiabtn"))
            clickRow(window, 1); // 小猫
        typeInto(ciyu(window), QStringLiteral("小狗"));
        typeInto(zishu(window), QStringLiteral("两"));
        const QString selected = gameState().selectedid;

        std::unique_ptr<BankLock> lock;
        switch (refusal) {
        case Locked:
            lock = std::make_unique<BankLock>(bank.path());
            break;
        case Aborted:
            bank.exec(QStringLiteral("create trigger readonly before %1 on ciyu begin select raise(abort,'只读'); end")
                          .arg(operation));
            break;
        case Dropped:
            bank.exec(QStringLiteral("create trigger dropped before %1 on ciyu begin select raise(ignore); end")
                          .arg(operation));
            break;
        case Gone:
            bank.exec(QStringLiteral("delete from ciyu where ID=?"), {expected[1].id});
            expected.removeAt(1);
            break;
        }
        shell.messages.clear();
        click(window, command);
        lock.reset();

        QCOMPARE(ciyu(window)->text(), QStringLiteral("小狗"));
        QCOMPARE(zishu(window)->text(), QStringLiteral("两"));
        QCOMPARE(listed(window), listBefore);
        QCOMPARE(tiaoshu(window), QStringLiteral("目前有3条词语"));
        QCOMPARE(gameState().selectedid, selected);
    }));
    const bool deleting = command == QLatin1String("shanchbtn");
    QCOMPARE(shell.messages.size(), deleting ? 2 : 1);
    if (deleting)
        QCOMPARE(shell.messages[0].text, QStringLiteral("确认删除"));
    const RecordingShell::Message &failure = shell.messages.last();
    if (refusal == Locked) {
        QVERIFY2(failure.text.startsWith(message), qPrintable(failure.text));
        QVERIFY2(failure.text.size() > message.size(), qPrintable(failure.text));
    } else {
        QCOMPARE(failure.text, message);
    }
    QCOMPARE(failure.flags, int(Shell::StopIcon));
    QCOMPARE(failure.caption, QStringLiteral("提示"));
    QCOMPARE(bank.rows(), expected);
}

void TestWordBankWindow::removedBank_changesAreToldAsFailedAndNothingIsRecreated_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("add") << "zengjiabtn" << "添加失败：数据库不存在";
    QTest::newRow("modify") << "updatebtn" << "修改失败：数据库不存在";
    QTest::newRow("delete") << "shanchbtn" << "删除失败：数据库不存在";
}

// The file goes while the manager shows it (another program or the player
// deleted it): a change cannot be kept anywhere, so it is told as failed, and
// no new empty bank appears in its place.
void TestWordBankWindow::removedBank_changesAreToldAsFailedAndNothingIsRecreated()
{
    QFETCH(QString, command);
    QFETCH(QString, message);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        const Rows listBefore = listed(window);
        if (command != QLatin1String("zengjiabtn"))
            clickRow(window, 1);
        typeInto(ciyu(window), QStringLiteral("小狗"));
        typeInto(zishu(window), QStringLiteral("2"));
        bank.remove();
        shell.messages.clear();
        click(window, command);
        QVERIFY(!window->destroyRequested());
        QCOMPARE(listed(window), listBefore);
        QCOMPARE(ciyu(window)->text(), QStringLiteral("小狗"));
    }));
    QVERIFY(!shell.messages.isEmpty());
    for (const RecordingShell::Message &told : std::as_const(shell.messages))
        QVERIFY2(!told.text.contains(QStringLiteral("成功")), qPrintable(told.text));
    QCOMPARE(shell.messages.last().text, message);
    QCOMPARE(shell.messages.last().flags, int(Shell::StopIcon));
    QCOMPARE(shell.endRequests, 0);
    QVERIFY(!QFileInfo::exists(bank.path()));
}

void TestWordBankWindow::search_listsMatchingWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("found"); // words found, in the bank's order
    QTest::newRow("count 2 alone") << "" << "2" << QStringList({"大象", "小猫", "大鹏", "2"});
    QTest::newRow("count 3 alone") << "" << "3" << QStringList({"长颈鹿", "大熊猫"});
    QTest::newRow("count no row has") << "" << "7" << QStringList();
    QTest::newRow("word alone, anywhere in the word") << "大" << "" << QStringList({"大象", "大熊猫", "大鹏"});
    QTest::newRow("word and count") << "大" << "2" << QStringList({"大象", "大鹏"});
    QTest::newRow("word and count, no match") << "猫" << "3" << QStringList({"大熊猫"});
    QTest::newRow("count text compared as text") << "" << "02" << QStringList();
    QTest::newRow("both empty lists the whole bank")
        << "" << "" << QStringList({"大象", "小猫", "长颈鹿", "大熊猫", "大鹏", "2"});
}

void TestWordBankWindow::search_listsMatchingWords()
{
    QFETCH(QString, word);
    QFETCH(QString, count);
    QFETCH(QStringList, found);
    RecordingShell shell;
    TempWordBank bank;
    bank.insert(QStringLiteral("大象"), QStringLiteral("2"));
    bank.insert(QStringLiteral("小猫"), QStringLiteral("2"));
    bank.insert(QStringLiteral("长颈鹿"), QStringLiteral("3"));
    bank.insert(QStringLiteral("大熊猫"), QStringLiteral("3"));
    bank.insert(QStringLiteral("大鹏"), QStringLiteral("2"));
    bank.insert(QStringLiteral("2"), QStringLiteral("2"));
    bank.insert(QStringLiteral("山羊"), QStringLiteral("２"));
    if (count.isEmpty() && word.isEmpty())
        found.append(QStringLiteral("山羊"));
    QVERIFY(manage([&](WordBankWindow *window) {
        typeInto(ciyu(window), word);
        typeInto(zishu(window), count);
        click(window, u"selectbtn");
        QStringList words;
        for (const QStringList &row : listed(window)) {
            words.append(row[1]);
            if (!count.isEmpty())
                QCOMPARE(row[2], count);
        }
        QCOMPARE(words, found);
        QCOMPARE(tiaoshu(window), QStringLiteral("查询到有%1条词语").arg(found.size()));
        QCOMPARE(gameState().wordcount, found.size());
        QCOMPARE(ciyu(window)->text(), word);
        QCOMPARE(zishu(window)->text(), count);
    }));
    QVERIFY(shell.messages.isEmpty());
}

void TestWordBankWindow::search_fortyInARowStillListRows()
{
    RecordingShell shell;
    TempWordBank bank(threeWords);
    QVERIFY(manage([&](WordBankWindow *window) {
        typeInto(ciyu(window), QStringLiteral("象"));
        typeInto(zishu(window), QString());
        for (int search = 1; search <= 40; ++search) {
            click(window, u"selectbtn");
            QCOMPARE(listed(window).size(), 1);
            QCOMPARE(listed(window)[0][1], QStringLiteral("大象"));
            QCOMPARE(tiaoshu(window), QStringLiteral("查询到有1条词语"));
        }
        // The list and the duplicate test still see the bank afterwards.
        typeInto(ciyu(window), QStringLiteral("小猫"));
        click(window, u"zengjiabtn");
        QCOMPARE(shell.messages.size(), 1);
        QCOMPARE(shell.messages[0].text, QStringLiteral("已经有这个词了！"));
        auto *connection = window->findChild<WordBankConnection *>(QStringLiteral("外部数据库1"));
        QCOMPARE(connection->heldRecordSets(), 1);
    }));
}

void TestWordBankWindow::hostileWords_surviveAddSearchModifyDelete_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("apostrophe") << "I'm 大象";
    QTest::newRow("apostrophes closing the literal") << "' or '1'='1";
    QTest::newRow("double quotes") << "说\"你好\"";
    QTest::newRow("percent alone") << "%";
    QTest::newRow("percent in a word") << "100%纯";
    QTest::newRow("underscore alone") << "_";
    QTest::newRow("underscore in a word") << "a_b";
    QTest::newRow("backslash") << "a\\%";
    QTest::newRow("comment dashes") << "猫--";
    QTest::newRow("statement after a semicolon") << "狗'; delete from ciyu; --";
    QTest::newRow("200 characters") << QString(100, u'龙') + QString(100, u'x');
    QTest::newRow("emoji") << "🐘🦒";
}

void TestWordBankWindow::hostileWords_surviveAddSearchModifyDelete()
{
    QFETCH(QString, word);
    RecordingShell shell;
    TempWordBank bank(threeWords);
    const QList<TempWordBank::Row> original = bank.rows();
    const QString changed = word + QStringLiteral("改");
    QVERIFY(manage([&](WordBankWindow *window) {
        // Add.
        typeInto(ciyu(window), word);
        QCOMPARE(zishu(window)->text(), QString::number(word.toUcs4().size()));
        click(window, u"zengjiabtn");
        QCOMPARE(shell.messages.size(), 1);
        QCOMPARE(shell.messages.last().text, QStringLiteral("添加成功！"));
        QList<TempWordBank::Row> rows = bank.rows();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.mid(0, 3), original);
        QCOMPARE(rows[3].word, word);
        const QString id = QString::number(rows[3].id);
        QCOMPARE(listed(window)[0], QStringList({id, word, rows[3].count}));

        // A second add of the same word is a duplicate.
        typeInto(ciyu(window), word);
        click(window, u"zengjiabtn");
        QCOMPARE(shell.messages.last().text, QStringLiteral("已经有这个词了！"));

        // Search finds this word and nothing else.
        typeInto(zishu(window), QString());
        click(window, u"selectbtn");
        QCOMPARE(listed(window), Rows({{id, word, rows[3].count}}));
        QCOMPARE(tiaoshu(window), QStringLiteral("查询到有1条词语"));

        // Modify.
        clickRow(window, 0);
        QCOMPARE(gameState().selectedid, id);
        QCOMPARE(ciyu(window)->text(), word);
        typeInto(ciyu(window), changed);
        click(window, u"updatebtn");
        QCOMPARE(shell.messages.last().text, QStringLiteral("修改成功！"));
        rows = bank.rows();
        QCOMPARE(rows.mid(0, 3), original);
        QCOMPARE(rows[3].word, changed);
        QCOMPARE(rows[3].count, QString::number(changed.toUcs4().size()));

        // Delete.
        QCOMPARE(listed(window)[0][1], changed);
        clickRow(window, 0);
        click(window, u"shanchbtn");
        QCOMPARE(shell.messages.last().text, QStringLiteral("确认删除"));
    }));
    QCOMPARE(shell.messages.size(), 4);
    QCOMPARE(bank.rows(), original);
}

QTEST_MAIN(TestWordBankWindow)
#include "tst_wordbankwindow.moc"
