#include "wordbank/wordbankwindow.h"

#include "app/gamestate.h"
#include "platform/shell.h"
#include "platform/windows.h"
#include "wordbank/wordbankcommands.h"
#include "wordbank/wordbankconnection.h"
#include "wordbank/wordbankfile.h"
#include "wordbank/wordlistmodel.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QLabel *label(const char16_t *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *control = new QLabel(text, parent);
    control->setObjectName(QString::fromUtf16(name));
    control->setGeometry(geometry);
    return control;
}

QPushButton *button(const char16_t *name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *control = new QPushButton(text, parent);
    control->setObjectName(QString::fromUtf16(name));
    control->setGeometry(geometry);
    control->setAutoDefault(false);
    return control;
}

QLineEdit *editBox(const char16_t *name, const QRect &geometry, QWidget *parent)
{
    auto *control = new QLineEdit(parent);
    control->setObjectName(QString::fromUtf16(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

WordBankWindow::WordBankWindow(QWidget *owner)
    : ProgramWindow(owner)
{
    setObjectName(QStringLiteral("wordbankwindow"));
    setWindowTitle(QStringLiteral("词库管理"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedOuterSize(504, 371);

    buildControls();
    setTabCycle();
    waibushujuku1 = new WordBankConnection(this);

    connect(ciyu, &QLineEdit::textChanged, this, &WordBankWindow::suggestCount);
    connect(anniu5, &QPushButton::clicked, this, &WordBankWindow::clearfields);
    connect(zengjiabtn, &QPushButton::clicked, this, &WordBankWindow::add);
    connect(shanchbtn, &QPushButton::clicked, this, &WordBankWindow::remove);
    connect(updatebtn, &QPushButton::clicked, this, &WordBankWindow::modify);
    connect(selectbtn, &QPushButton::clicked, this, &WordBankWindow::search);
    // A click or an arrow key selects a row; so does a click on the row the
    // list marked as current when it took the focus.
    connect(xinxi->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &WordBankWindow::copySelectedRow);
    connect(xinxi->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WordBankWindow::copySelectedRow);
}

void WordBankWindow::buildControls()
{
    // The frame first, so that the controls of the top row lie over it.
    fenzukuang1 = new QGroupBox(this);
    fenzukuang1->setObjectName(QStringLiteral("分组框1"));
    fenzukuang1->setGeometry(16, 5, 456, 40);

    biaoqian1 = label(u"标签1", QStringLiteral("词语："), {26, 16, 40, 24}, this);
    ciyu = editBox(u"ciyu", {63, 16, 209, 24}, this);
    QPalette white = ciyu->palette();
    white.setColor(QPalette::Base, Qt::white);
    ciyu->setPalette(white);

    biaoqian3 = label(u"标签3", QStringLiteral("字数："), {287, 16, 40, 24}, this);
    zishu = editBox(u"zishu", {328, 16, 56, 24}, this);
    zishu->setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: rgb(236, 236, 236); border: 1px solid rgb(0, 0, 0); padding: 0 2px; }"));
    // Editable with the mouse, but the Tab key passes it by.
    zishu->setFocusPolicy(Qt::ClickFocus);

    anniu5 = button(u"按钮5", QStringLiteral("清空"), {400, 16, 56, 24}, this);

    xinxi = new QTableView(this);
    xinxi->setObjectName(QStringLiteral("xinxi"));
    xinxi->setGeometry(24, 48, 248, 280);
    m_words = new WordListModel(this);
    xinxi->setModel(m_words);
    xinxi->setShowGrid(true);
    xinxi->setSelectionBehavior(QAbstractItemView::SelectRows);
    xinxi->setSelectionMode(QAbstractItemView::SingleSelection);
    xinxi->setSortingEnabled(false);
    xinxi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    xinxi->setTabKeyNavigation(false);
    xinxi->setWordWrap(false);
    xinxi->verticalHeader()->hide();
    // Rows of one fixed height keep a list of any length quick.
    xinxi->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    xinxi->verticalHeader()->setDefaultSectionSize(xinxi->fontMetrics().height() + 4);
    QHeaderView *header = xinxi->horizontalHeader();
    header->setVisible(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->resizeSection(WordListModel::IdColumn, 50);
    header->resizeSection(WordListModel::WordColumn, 135);
    header->resizeSection(WordListModel::CountColumn, 40);
    // The selected row is marked only while the list has the focus.
    QPalette listColours = xinxi->palette();
    listColours.setColor(QPalette::Inactive, QPalette::Highlight, listColours.color(QPalette::Inactive, QPalette::Base));
    listColours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         listColours.color(QPalette::Inactive, QPalette::Text));
    xinxi->setPalette(listColours);

    tiaoshu = label(u"tiaoshu", QString(), {320, 88, 144, 32}, this);
    QFont heiti = tiaoshu->font();
    heiti.setFamilies({QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    heiti.setBold(true);
    heiti.setPixelSize(14);
    tiaoshu->setFont(heiti);
    QPalette red = tiaoshu->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    tiaoshu->setPalette(red);

    zengjiabtn = button(u"zengjiabtn", QStringLiteral("增加"), {328, 162, 112, 24}, this);
    shanchbtn = button(u"shanchbtn", QStringLiteral("删除"), {328, 203, 112, 24}, this);
    updatebtn = button(u"updatebtn", QStringLiteral("修改"), {328, 240, 112, 24}, this);
    selectbtn = button(u"selectbtn", QStringLiteral("查询"), {328, 280, 112, 24}, this);
}

void WordBankWindow::setTabCycle()
{
    QWidget *const cycle[] = {xinxi, zengjiabtn, shanchbtn, updatebtn, ciyu, selectbtn, anniu5};
    for (std::size_t i = 0; i + 1 < std::size(cycle); ++i)
        setTabOrder(cycle[i], cycle[i + 1]);
    setTabOrder(anniu5, xinxi);
}

void WordBankWindow::created()
{
    switch (openWithCheck(*waibushujuku1)) {
    case OpenOutcome::ProgramEnded:
        destroyWindow();
        return;
    case OpenOutcome::Failed:
        shell().messageBox(openFailureMessage(*waibushujuku1), Shell::StopIcon, QStringLiteral("提示"));
        destroyWindow();
        return;
    case OpenOutcome::Opened:
        break;
    }
    queryNewestFirst(*waibushujuku1, gameState());
    refreshlist();
}

void WordBankWindow::refreshlist()
{
    GameState &state = gameState();
    state.wordcount = walkRows(*waibushujuku1, state.recordset);
    m_copiedRow = -1;
    m_words->showRows(waibushujuku1->snapshot(state.recordset), state.wordcount);
    tiaoshu->setText(listedCaption(state.wordcount));
}

void WordBankWindow::clearfields()
{
    ciyu->setText(QString());
    zishu->setText(QString());
}

void WordBankWindow::suggestCount()
{
    zishu->setText(countSuggestion(ciyu->text()));
}

void WordBankWindow::copySelectedRow()
{
    // The row the player selected; only a row other than the one copied
    // last is copied, so a click on the current row keeps what was typed.
    const QModelIndexList selected = xinxi->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    if (row < 0 || row != xinxi->currentIndex().row() || row == m_copiedRow)
        return;
    m_copiedRow = row;
    gameState().selectedid = m_words->cellText(row, WordListModel::IdColumn);
    // Writing the word suggests a count; the stored count then replaces it.
    ciyu->setText(m_words->cellText(row, WordListModel::WordColumn));
    zishu->setText(m_words->cellText(row, WordListModel::CountColumn));
}

int WordBankWindow::tell(const Notice &notice)
{
    return shell().messageBox(notice.text, notice.flags, notice.caption);
}

void WordBankWindow::add()
{
    refreshNow(this);
    GameState &state = gameState();
    if (const auto refusal = refuseAdd(*waibushujuku1, state, ciyu->text(), zishu->text())) {
        tell(*refusal);
        return;
    }
    const Change change = addWord(*waibushujuku1, state, ciyu->text(), zishu->text());
    tell(change.notice);
    if (!change.done)
        return; // what was typed stays, and so does the list
    clearfields();
    refreshNow(this);
    refreshlist();
    tiaoshu->setText(listedCaption(state.wordcount));
}

void WordBankWindow::modify()
{
    refreshNow(this);
    GameState &state = gameState();
    if (const auto refusal = refuseModify(state, ciyu->text(), zishu->text())) {
        tell(*refusal);
        return;
    }
    const Change change = modifyWord(*waibushujuku1, state, ciyu->text(), zishu->text());
    tell(change.notice);
    if (!change.done)
        return;
    refreshNow(this);
    refreshlist();
}

void WordBankWindow::remove()
{
    GameState &state = gameState();
    if (const auto refusal = refuseDelete(state)) {
        tell(*refusal);
        return;
    }
    if (tell(deleteConfirmation()) != Shell::Ok)
        return;
    refreshNow(this);
    const Change change = deleteWord(*waibushujuku1, state);
    if (!change.done) {
        tell(change.notice);
        return;
    }
    clearfields();
    refreshNow(this);
    refreshlist();
    tiaoshu->setText(listedCaption(state.wordcount));
}

void WordBankWindow::search()
{
    GameState &state = gameState();
    searchWords(*waibushujuku1, state, ciyu->text(), zishu->text());
    refreshlist();
    tiaoshu->setText(foundCaption(state.wordcount));
}

void manageWordBank(QWidget *owner)
{
    loadModally(new WordBankWindow(owner));
}
