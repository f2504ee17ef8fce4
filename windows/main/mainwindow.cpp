#include "windows/main/mainwindow.h"

#include "app/addresses.h"
#include "app/gamelength.h"
#include "app/gamestate.h"
#include "platform/conversions.h"
#include "platform/shell.h"
#include "windows/main/banner.h"
#include "windows/main/controls.h"
#include "windows/main/launch.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace {

PictureBox *pictureBox(const char16_t *name, const QRect &geometry, const QString &accessibleName, QWidget *parent,
                       const QString &picture = {})
{
    auto *box = new PictureBox(parent);
    box->setObjectName(QString::fromUtf16(name));
    box->setGeometry(geometry);
    box->setAccessibleName(accessibleName);
    if (!picture.isEmpty())
        box->setPicture(QPixmap(picture));
    return box;
}

QLabel *label(const char16_t *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *control = new QLabel(text, parent);
    control->setObjectName(QString::fromUtf16(name));
    control->setGeometry(geometry);
    control->setAccessibleName(text);
    return control;
}

// "开始猜词" and "管理词库": labels with a raised border that act as buttons.
PressLabel *buttonLabel(const char16_t *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *control = new PressLabel(text, QAccessible::Button, parent);
    control->setObjectName(QString::fromUtf16(name));
    control->setGeometry(geometry);
    control->setAccessibleName(text);
    control->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    control->setAlignment(Qt::AlignCenter);
    control->setCursor(Qt::PointingHandCursor);
    return control;
}

QString caption()
{
    return QStringLiteral("猜词游戏 - caici 出品 - %1 - 作者：caici 开发者").arg(homePageAddress().toString());
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : ProgramWindow(parent)
{
    setObjectName(QStringLiteral("mainwindow"));
    setWindowTitle(caption());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedOuterSize(584, 354);
    buildControls();
}

void MainWindow::buildControls()
{
    // Made from the bottom of the stacking order up: a control made later
    // lies over the ones made before it.
    pictureBox(u"图片框6", {272, 96, 280, 200}, QStringLiteral("一群人在聚会上玩猜词"), this,
               QStringLiteral(":/pictures/party.jpg"));

    auto *settings = new QGroupBox(QStringLiteral("设置"), this);
    settings->setObjectName(QStringLiteral("分组框1"));
    settings->setGeometry(50, 189, 216, 112);
    settings->setAccessibleName(QStringLiteral("设置"));
    QLabel *timeLabel = label(u"标签4", QStringLiteral("时间："), {32, 39, 48, 16}, settings);
    m_shijian = new QComboBox(settings);
    m_shijian->setObjectName(QStringLiteral("shijian"));
    m_shijian->setGeometry(72, 37, 80, 20);
    m_shijian->setAccessibleName(QStringLiteral("时间（分钟）"));
    m_shijian->setEditable(true);
    // A typed text stays in the box and never becomes an item.
    m_shijian->setInsertPolicy(QComboBox::NoInsert);
    for (qint32 minutes = shortestGameMinutes; minutes <= longestGameMinutes; ++minutes)
        m_shijian->addItem(integerToText(minutes));
    m_shijian->setCurrentIndex(-1);
    m_shijian->setEditText(QString());
    QPalette white = m_shijian->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_shijian->setPalette(white);
    timeLabel->setBuddy(m_shijian);
    label(u"标签5", QStringLiteral("分钟"), {162, 37, 38, 20}, settings);

    // Stands in for the banner view until the window has been painted.
    m_banner = new QWidget(this);
    m_banner->setObjectName(QStringLiteral("超文本浏览框1"));
    m_banner->setGeometry(-13, -18, 624, 128);
    m_banner->setAccessibleName(QStringLiteral("横幅"));

    // Strips of the window's colour over the banner's edges, border and
    // scroll bars: only 573 by 83 of the page shows (x 3 to 576, y 4 to 87).
    m_rightStrip = pictureBox(u"图片框1", {576, -26, 35, 144}, QStringLiteral("横幅右边框"), this);
    pictureBox(u"图片框2", {-21, 87, 600, 24}, QStringLiteral("横幅下边框"), this);
    pictureBox(u"图片框3", {-21, -18, 608, 22}, QStringLiteral("横幅上边框"), this);
    pictureBox(u"图片框4", {-21, -10, 24, 120}, QStringLiteral("横幅左边框"), this);

    auto *support = new PressLabel(QStringLiteral("支持作者"), QAccessible::Link, this);
    support->setObjectName(QStringLiteral("zhichi"));
    support->setGeometry(487, 300, 53, 24);
    support->setAccessibleName(support->text());
    support->setCursor(Qt::PointingHandCursor);

    PictureBox *home = pictureBox(u"图片框5", {537, 297, 25, 25}, QStringLiteral("主页"), this,
                                  QStringLiteral(":/pictures/house.jpg"));
    home->setPressable(true);
    home->setCursor(Qt::PointingHandCursor);

    PressLabel *manage = buttonLabel(u"标签2", QStringLiteral("管理词库"), {84, 257, 56, 28}, this);
    PressLabel *start = buttonLabel(u"标签3", QStringLiteral("开始猜词"), {173, 257, 56, 28}, this);

    pictureBox(u"图片框7", {52, 106, 213, 77}, QStringLiteral("猜词游戏"), this, QStringLiteral(":/pictures/title.jpg"));

    connect(m_shijian, &QComboBox::activated, this, &MainWindow::timePicked);
    connect(start, &PressLabel::pressed, this, &MainWindow::startGame);
    connect(manage, &PressLabel::pressed, this, &MainWindow::manageWordBank);
    connect(support, &PressLabel::pressed, this, &MainWindow::openSupportPage);
    connect(home, &PictureBox::pressed, this, &MainWindow::openHomePage);
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    ProgramWindow::paintEvent(event);
    if (!m_bannerRequested) {
        m_bannerRequested = true;
        QTimer::singleShot(0, this, &MainWindow::createBanner);
    }
}

void MainWindow::createBanner()
{
    const QRect geometry = m_banner->geometry();
    const QString name = m_banner->objectName();
    const QString accessibleName = m_banner->accessibleName();
    delete m_banner;
    m_banner = createBannerView(bannerPageAddress(), this);
    m_banner->setObjectName(name);
    m_banner->setAccessibleName(accessibleName);
    m_banner->setGeometry(geometry);
    m_banner->stackUnder(m_rightStrip);
    // The banner and the time box are the only stops of the Tab key.
    setTabOrder(m_banner, m_shijian);
    setTabOrder(m_shijian, m_banner);
    m_banner->show();
}

void MainWindow::timePicked()
{
    gameState().gameminutes = textToInteger(m_shijian->currentText());
}

void MainWindow::startGame()
{
    const std::optional<qint32> minutes = gameMinutesFromText(m_shijian->currentText());
    if (!minutes) {
        shell().messageBox(QStringLiteral("请先选择时间！"), Shell::InformationIcon, QStringLiteral("提示"));
        return;
    }
    // What the box shows is the length, whether it was picked or typed.
    gameState().gameminutes = *minutes;
    launchGame(this);
}

void MainWindow::manageWordBank()
{
    launchWordBank(this);
}

void MainWindow::openSupportPage()
{
    shell().openAddress(supportPageAddress());
}

void MainWindow::openHomePage()
{
    shell().openAddress(homePageAddress());
}

void MainWindow::willBeDestroyed()
{
    openHomePage();
}
