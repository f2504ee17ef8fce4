#include "app/addresses.h"
#include "app/gamestate.h"
#include "platform/files.h"
#include "platform/programwindow.h"
#include "platform/windows.h"
#include "tests/support/recordingshell.h"
#include "windows/main/controls.h"
#include "windows/main/mainwindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#ifdef CAICI_WEBENGINE
#include <QWebEngineSettings>
#include <QWebEngineView>
#else
#include <QTextBrowser>
#endif

#include <memory>

namespace {

const QString bannerName = QStringLiteral("超文本浏览框1");

// Answers the modal window a handler opens: from inside the handler's nested
// event loop it notes the window's caption and the game length at that
// moment, and closes the window so that the handler returns. It looks again
// at every turn of the event loop until it has seen one, and stops looking
// when it goes out of scope.
class ModalWatcher final : public QObject
{
public:
    ModalWatcher() { look(); }

    QString caption;      // of the modal window seen; empty while none
    qint32 minutes = -1;  // gameState().gameminutes while it was open

private:
    void look()
    {
        QTimer::singleShot(0, this, [this] {
            auto *window = qobject_cast<ProgramWindow *>(QApplication::activeModalWidget());
            if (!window) {
                look();
                return;
            }
            caption = window->windowTitle();
            minutes = gameState().gameminutes;
            window->close();
        });
    }
};

// The caption of the game window once its set-up has run.
QString gameCaption(int minutes)
{
    return QStringLiteral("计时%1分钟 猜词进行中...").arg(minutes);
}

bool isRealBanner(const QWidget *widget)
{
#ifdef CAICI_WEBENGINE
    return qobject_cast<const QWebEngineView *>(widget) != nullptr;
#else
    return qobject_cast<const QTextBrowser *>(widget) != nullptr;
#endif
}

// The widgets that share `widget`'s parent, from the bottom of the stacking
// order up.
QWidgetList siblingsOf(const QWidget *widget)
{
    QWidgetList siblings;
    for (QObject *child : widget->parent()->children()) {
        if (child->isWidgetType())
            siblings.append(static_cast<QWidget *>(child));
    }
    return siblings;
}

QWidgetList visibleWindows()
{
    QWidgetList windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            windows.append(widget);
    }
    return windows;
}

// Types `text` into the time box: plain characters from the keyboard, Chinese
// ones as an input method commits them.
void type(QComboBox *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(box->lineEdit(), &commit);
        }
    }
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_matchTheWindowsLayout_data();
    void controls_matchTheWindowsLayout();
    void controls_pictureBoxNeverEnlargesOrStretches();
    void window_hasItsFrameSizeAndCaption();
    void shijian_offersOneToTenWithNothingChosen();
    void tab_movesBetweenTheBannerAndTheTimeBoxOnly();
    void banner_isCreatedAfterTheFirstPaintAndShowsTheLocalPage();
    void accessibility_buttonLabelsExposeRoleNameAndPress_data();
    void accessibility_buttonLabelsExposeRoleNameAndPress();
    void accessibility_everyControlHasAName();

    void start_withEmptyTextShowsTheHintAndOpensNothing();
    void start_afterPickingGivesThatLength_data();
    void start_afterPickingGivesThatLength();
    void start_withTypedLengthGivesThatLength();
    void start_againWithoutTouchingTheBoxKeepsTheLastLength();
    void start_withTextThatIsNoLengthShowsTheHint_data();
    void start_withTextThatIsNoLengthShowsTheHint();
    void start_onlyTheLeftButtonStartsAGame();
    void manage_opensTheWordBankManager();

    void pages_closingTheWindowOpensTheHomePageOnce_data();
    void pages_closingTheWindowOpensTheHomePageOnce();
    void pages_linksOpenTheirPages_data();
    void pages_linksOpenTheirPages();

private:
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_window ? m_window->findChild<T *>(name) : nullptr;
    }
    // Picks the item with `text` from the drop-down list of `shijian` with the
    // mouse, as the player does.
    void pick(const QString &text);

    QPointer<MainWindow> m_window;
    std::unique_ptr<RecordingShell> m_shell;
};

void TestMainWindow::initTestCase()
{
    // The pages the window shows and opens are those the build puts beside
    // the program.
    enterProgramDirectory(QStringLiteral(CAICI_RUNTIME_DIR));
}

void TestMainWindow::init()
{
    createGameState();
    m_shell = std::make_unique<RecordingShell>();
    m_window = new MainWindow;
    loadStartupWindow(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(isRealBanner(control(bannerName)));
}

void TestMainWindow::cleanup()
{
    if (m_window)
        m_window->close();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    m_shell.reset();
    releaseGameState();
}

void TestMainWindow::pick(const QString &text)
{
    auto *shijian = control<QComboBox>("shijian");
    QVERIFY(shijian);
    const int row = shijian->findText(text);
    QVERIFY(row >= 0);
    // Opened from the keyboard: a list opened by a mouse press ignores the
    // next release for a double-click interval.
    QTest::keyClick(shijian, Qt::Key_F4);
    QAbstractItemView *list = shijian->view();
    QTRY_VERIFY(list->isVisible());
    const QRect item = list->visualRect(list->model()->index(row, 0));
    QVERIFY(list->viewport()->rect().contains(item.center()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(shijian->currentText(), text);
}

void TestMainWindow::controls_matchTheWindowsLayout_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("below"); // the sibling right under it; empty for the lowest
    QTest::addColumn<QSize>("picture"); // natural size of its picture; invalid for none
    QTest::addColumn<QRect>("pictureRect");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<bool>("raised");

    const QString window = QStringLiteral("mainwindow");
    const QString group = QStringLiteral("分组框1");
    const QSize none;
    // From the top of the stacking order down.
    QTest::newRow("图片框7") << window << QRect(52, 106, 213, 77) << "" << "标签3" << QSize(524, 201)
                            << QRect(6, 0, 200, 77) << false << false;
    QTest::newRow("标签5") << group << QRect(162, 37, 38, 20) << "分钟" << "shijian" << none << QRect() << false
                          << false;
    QTest::newRow("shijian") << group << QRect(72, 37, 80, 20) << "" << "标签4" << none << QRect() << false << false;
    QTest::newRow("标签4") << group << QRect(32, 39, 48, 16) << "时间：" << "" << none << QRect() << false << false;
    QTest::newRow("标签3") << window << QRect(173, 257, 56, 28) << "开始猜词" << "标签2" << none << QRect() << true
                          << true;
    QTest::newRow("标签2") << window << QRect(84, 257, 56, 28) << "管理词库" << "图片框5" << none << QRect() << true
                          << true;
    QTest::newRow("图片框5") << window << QRect(537, 297, 25, 25) << "" << "zhichi" << QSize(118, 124)
                            << QRect(1, 0, 23, 25) << true << false;
    QTest::newRow("zhichi") << window << QRect(487, 300, 53, 24) << "支持作者" << "图片框4" << none << QRect() << true
                            << false;
    QTest::newRow("图片框4") << window << QRect(-21, -10, 24, 120) << "" << "图片框3" << none << QRect() << false
                            << false;
    QTest::newRow("图片框3") << window << QRect(-21, -18, 608, 22) << "" << "图片框2" << none << QRect() << false
                            << false;
    QTest::newRow("图片框2") << window << QRect(-21, 87, 600, 24) << "" << "图片框1" << none << QRect() << false
                            << false;
    QTest::newRow("图片框1") << window << QRect(576, -26, 35, 144) << "" << bannerName << none << QRect() << false
                            << false;
    QTest::newRow("超文本浏览框1") << window << QRect(-13, -18, 624, 128) << "" << "分组框1" << none << QRect()
                                 << false << false;
    QTest::newRow("分组框1") << window << QRect(50, 189, 216, 112) << "设置" << "图片框6" << none << QRect() << false
                            << false;
    QTest::newRow("图片框6") << window << QRect(272, 96, 280, 200) << "" << "" << QSize(812, 434)
                            << QRect(0, 25, 280, 149) << false << false;
}

void TestMainWindow::controls_matchTheWindowsLayout()
{
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, below);
    QFETCH(QSize, picture);
    QFETCH(QRect, pictureRect);
    QFETCH(bool, hand);
    QFETCH(bool, raised);

    const QString name = QString::fromUtf8(QTest::currentDataTag());
    QWidget *widget = control(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());

    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(group->title(), text);
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        QCOMPARE(combo->currentText(), text);
    else
        QVERIFY(text.isEmpty());

    const QWidgetList siblings = siblingsOf(widget);
    const qsizetype position = siblings.indexOf(widget);
    if (below.isEmpty()) {
        QCOMPARE(position, 0);
    } else {
        QVERIFY(position > 0);
        QCOMPARE(siblings.at(position - 1)->objectName(), below);
    }

    if (auto *box = qobject_cast<PictureBox *>(widget)) {
        QCOMPARE(box->picture().isNull() ? QSize() : box->picture().size(), picture);
        QCOMPARE(box->pictureRect(), pictureRect);
        // Pictures and strips alike are of the window's colour around the picture.
        QVERIFY(box->autoFillBackground());
        QCOMPARE(box->palette().color(QPalette::Window), m_window->palette().color(QPalette::Window));
    } else {
        QVERIFY(!picture.isValid());
    }

    QCOMPARE(widget->testAttribute(Qt::WA_SetCursor) && widget->cursor().shape() == Qt::PointingHandCursor, hand);
    if (auto *frame = qobject_cast<QFrame *>(widget); frame && !qobject_cast<QGroupBox *>(widget)
                                                      && !qobject_cast<QComboBox *>(widget) && !isRealBanner(widget)) {
        QCOMPARE(frame->frameShadow() == QFrame::Raised && frame->frameShape() != QFrame::NoFrame, raised);
    } else {
        QVERIFY(!raised);
    }
}

void TestMainWindow::controls_pictureBoxNeverEnlargesOrStretches()
{
    PictureBox box(nullptr);
    box.resize(100, 60);
    QPixmap small(40, 20);
    small.fill(Qt::red);
    box.setPicture(small);
    QCOMPARE(box.pictureRect(), QRect(30, 20, 40, 20)); // centred at its own size
    QPixmap wide(400, 100);
    wide.fill(Qt::blue);
    box.setPicture(wide);
    QCOMPARE(box.pictureRect(), QRect(0, 17, 100, 25)); // shrunk, still 4 to 1
    QPixmap tall(30, 120);
    tall.fill(Qt::green);
    box.setPicture(tall);
    QCOMPARE(box.pictureRect(), QRect(42, 0, 15, 60));
}

void TestMainWindow::window_hasItsFrameSizeAndCaption()
{
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->windowType(), Qt::Window);

    QCOMPARE(m_window->frameGeometry().size(), QSize(584, 354));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize()); // not resizable
    QCOMPARE(m_window->objectName(), QStringLiteral("mainwindow"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("猜词游戏 - caici 出品 - %1 - 作者：caici 开发者")
                                          .arg(homePageAddress().toString()));
}

void TestMainWindow::shijian_offersOneToTenWithNothingChosen()
{
    auto *shijian = control<QComboBox>("shijian");
    QVERIFY(shijian);
    QVERIFY(shijian->isEditable());
    QStringList items;
    for (int i = 0; i < shijian->count(); ++i)
        items.append(shijian->itemText(i));
    QCOMPARE(items, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    QCOMPARE(shijian->currentIndex(), -1);
    QCOMPARE(shijian->currentText(), QString());
    QCOMPARE(shijian->lineEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(gameState().gameminutes, 0);
}

void TestMainWindow::tab_movesBetweenTheBannerAndTheTimeBoxOnly()
{
    QWidget *banner = control(bannerName);
    auto *shijian = control<QComboBox>("shijian");
    const auto inBanner = [banner] {
        QWidget *focus = QApplication::focusWidget();
        return focus && (focus == banner || banner->isAncestorOf(focus));
    };
    const auto inShijian = [shijian] {
        QWidget *focus = QApplication::focusWidget();
        return focus && (focus == shijian || shijian->isAncestorOf(focus));
    };

    // Nothing else in the window takes the focus from the Tab key.
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(m_window) && widget->isEnabled()) {
            QVERIFY2(widget == banner || banner->isAncestorOf(widget) || widget == shijian
                         || shijian->isAncestorOf(widget),
                     qPrintable(widget->objectName() + " " + widget->metaObject()->className()));
        }
    }
    for (const char *name : {"标签3", "标签2", "zhichi", "图片框5", "分组框1"})
        QCOMPARE(control(name)->focusPolicy(), Qt::NoFocus);

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    shijian->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(inShijian());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(inBanner());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(inShijian());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_VERIFY(inBanner());
}

void TestMainWindow::banner_isCreatedAfterTheFirstPaintAndShowsTheLocalPage()
{
    // A fresh window: until it has been shown and painted, the banner's place
    // is held by a stand-in.
    m_window->close();
    QTRY_VERIFY(m_window.isNull());
    m_window = new MainWindow;
    loadStartupWindow(m_window);
    QWidget *standIn = control(bannerName);
    QVERIFY(standIn);
    QVERIFY(!isRealBanner(standIn));
    QTRY_VERIFY(isRealBanner(control(bannerName)));
    QWidget *banner = control(bannerName);
    QCOMPARE(banner->geometry(), QRect(-13, -18, 624, 128));
    QVERIFY(banner->isVisible());
    QCOMPARE(m_window->findChildren<QWidget *>(bannerName).size(), 1);

#ifdef CAICI_WEBENGINE
    auto *view = qobject_cast<QWebEngineView *>(banner);
    QTRY_COMPARE(view->url(), bannerPageAddress());
    QCOMPARE(view->settings()->fontSize(QWebEngineSettings::DefaultFontSize), 16);
    QCOMPARE(view->zoomFactor(), 1.0);
    // The page's own title: it was found and loaded.
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("猜词游戏"), 60000);
#else
    auto *view = qobject_cast<QTextBrowser *>(banner);
    QCOMPARE(view->source(), bannerPageAddress());
    QCOMPARE(view->document()->defaultFont().pixelSize(), 16);
    QVERIFY2(view->toPlainText().contains(QStringLiteral("比划一下，大家来猜")), qPrintable(view->toPlainText()));
#endif
}

void TestMainWindow::accessibility_buttonLabelsExposeRoleNameAndPress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption"); // of the window the press opens; empty for the hint
    QTest::newRow("标签3") << "开始猜词" << "";
    QTest::newRow("标签2") << "管理词库" << "词库管理";
}

void TestMainWindow::accessibility_buttonLabelsExposeRoleNameAndPress()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QWidget *label = control(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY(label);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), text);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);

    ModalWatcher watcher;
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(watcher.caption, caption);
    // The start button with no time chosen answers with the hint, as with the mouse.
    QCOMPARE(m_shell->messages.size(), caption.isEmpty() ? 1 : 0);
}

void TestMainWindow::accessibility_everyControlHasAName()
{
    const QStringList names = {"图片框7", "标签5", "shijian", "标签4", "标签3", "标签2", "图片框5", "zhichi",
                               "图片框4", "图片框3", "图片框2", "图片框1", bannerName, "分组框1", "图片框6"};
    for (const QString &name : names) {
        QWidget *widget = control(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
    }
    QCOMPARE(control("zhichi")->accessibleName(), QStringLiteral("支持作者"));
    QAccessibleInterface *home = QAccessible::queryAccessibleInterface(control("图片框5"));
    QVERIFY(home && home->actionInterface());
    QVERIFY(home->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

void TestMainWindow::start_withEmptyTextShowsTheHintAndOpensNothing()
{
    ModalWatcher watcher;
    QTest::mousePress(control("标签3"), Qt::LeftButton);
    QCOMPARE(m_shell->messages.size(), 1);
    QCOMPARE(m_shell->messages[0].text, QStringLiteral("请先选择时间！"));
    QCOMPARE(m_shell->messages[0].flags, 64);
    QCOMPARE(m_shell->messages[0].caption, QStringLiteral("提示"));
    QTest::mouseRelease(control("标签3"), Qt::LeftButton);
    QCOMPARE(watcher.caption, QString());
    QCOMPARE(visibleWindows(), QWidgetList({m_window.data()}));
    QCOMPARE(gameState().gameminutes, 0);
    QVERIFY(m_shell->openedAddresses.isEmpty());
}

void TestMainWindow::start_afterPickingGivesThatLength_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("minutes");
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("10") << "10" << 10;
    QTest::newRow("1") << "1" << 1;
}

void TestMainWindow::start_afterPickingGivesThatLength()
{
    QFETCH(QString, item);
    QFETCH(int, minutes);
    pick(item);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(gameState().gameminutes, minutes); // set by the pick itself

    ModalWatcher watcher;
    QTest::mousePress(control("标签3"), Qt::LeftButton);
    QTest::mouseRelease(control("标签3"), Qt::LeftButton);
    QCOMPARE(watcher.caption, gameCaption(minutes));
    QCOMPARE(watcher.minutes, minutes);
    QVERIFY(m_shell->messages.isEmpty());
}

void TestMainWindow::start_withTypedLengthGivesThatLength()
{
    auto *shijian = control<QComboBox>("shijian");
    type(shijian, "5");
    QCOMPARE(shijian->currentText(), QStringLiteral("5"));
    QCOMPARE(gameState().gameminutes, 0); // typing alone changes nothing

    ModalWatcher watcher;
    QTest::mousePress(control("标签3"), Qt::LeftButton);
    QTest::mouseRelease(control("标签3"), Qt::LeftButton);
    QCOMPARE(watcher.caption, gameCaption(5));
    QCOMPARE(watcher.minutes, 5);
    QCOMPARE(gameState().gameminutes, 5);
    QVERIFY(m_shell->messages.isEmpty());
}

void TestMainWindow::start_againWithoutTouchingTheBoxKeepsTheLastLength()
{
    pick("2");
    if (QTest::currentTestFailed())
        return;
    for (int game = 1; game <= 2; ++game) {
        ModalWatcher watcher;
        QTest::mousePress(control("标签3"), Qt::LeftButton);
        QTest::mouseRelease(control("标签3"), Qt::LeftButton);
        QCOMPARE(watcher.caption, gameCaption(2));
        QCOMPARE(watcher.minutes, 2);
    }
    QVERIFY(m_shell->messages.isEmpty());
}

void TestMainWindow::start_withTextThatIsNoLengthShowsTheHint_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("0") << "0";
    QTest::newRow("11") << "11";
    QTest::newRow("abc") << "abc";
    QTest::newRow("5分") << "5分";
    QTest::newRow("-3") << "-3";
}

void TestMainWindow::start_withTextThatIsNoLengthShowsTheHint()
{
    QFETCH(QString, typed);
    pick("4");
    if (QTest::currentTestFailed())
        return;
    auto *shijian = control<QComboBox>("shijian");
    shijian->lineEdit()->selectAll();
    type(shijian, typed);
    QCOMPARE(shijian->currentText(), typed);

    ModalWatcher watcher;
    QTest::mousePress(control("标签3"), Qt::LeftButton);
    QTest::mouseRelease(control("标签3"), Qt::LeftButton);
    QCOMPARE(m_shell->messages.size(), 1);
    QCOMPARE(m_shell->messages[0].text, QStringLiteral("请先选择时间！"));
    QCOMPARE(m_shell->messages[0].flags, 64);
    QCOMPARE(m_shell->messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(watcher.caption, QString());
    QCOMPARE(visibleWindows(), QWidgetList({m_window.data()}));
    QCOMPARE(gameState().gameminutes, 4); // the hint changes nothing
}

void TestMainWindow::start_onlyTheLeftButtonStartsAGame()
{
    pick("6");
    if (QTest::currentTestFailed())
        return;
    {
        ModalWatcher watcher;
        QTest::mousePress(control("标签3"), Qt::RightButton);
        QTest::mouseRelease(control("标签3"), Qt::RightButton);
        QCOMPARE(watcher.caption, QString());
    }
    ModalWatcher watcher;
    QTest::mousePress(control("标签3"), Qt::LeftButton);
    QCOMPARE(watcher.caption, gameCaption(6)); // on the press, before any release
    QTest::mouseRelease(control("标签3"), Qt::LeftButton);
}

void TestMainWindow::manage_opensTheWordBankManager()
{
    ModalWatcher watcher;
    QTest::mousePress(control("标签2"), Qt::LeftButton);
    QTest::mouseRelease(control("标签2"), Qt::LeftButton);
    QCOMPARE(watcher.caption, QStringLiteral("词库管理"));
    QVERIFY(m_shell->messages.isEmpty());
    QVERIFY(m_shell->openedAddresses.isEmpty());
}

void TestMainWindow::pages_closingTheWindowOpensTheHomePageOnce_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("close box") << false;
    QTest::newRow("Esc") << true;
}

void TestMainWindow::pages_closingTheWindowOpensTheHomePageOnce()
{
    QFETCH(bool, escape);
    QVERIFY(m_shell->openedAddresses.isEmpty());
    if (escape)
        QTest::keyClick(m_window, Qt::Key_Escape);
    else
        m_window->close();
    QTRY_VERIFY(m_window.isNull());
    QCOMPARE(m_shell->openedAddresses, QList<QUrl>({homePageAddress()}));
    QVERIFY(homePageAddress().toLocalFile().endsWith(QStringLiteral("/pages/home.html")));
}

void TestMainWindow::pages_linksOpenTheirPages_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QUrl>("page");
    QTest::newRow("支持作者") << "zhichi" << supportPageAddress();
    QTest::newRow("house") << "图片框5" << homePageAddress();
}

void TestMainWindow::pages_linksOpenTheirPages()
{
    QFETCH(QString, link);
    QFETCH(QUrl, page);
    QWidget *widget = control(link);
    QVERIFY(widget);
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
    QCOMPARE(m_shell->openedAddresses, QList<QUrl>({page}));
    QVERIFY(m_shell->messages.isEmpty());
    QTest::mousePress(widget, Qt::RightButton);
    QTest::mouseRelease(widget, Qt::RightButton);
    QCOMPARE(m_shell->openedAddresses.size(), 1); // the right button opens nothing
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
