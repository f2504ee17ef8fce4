#pragma once

#include "platform/programwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class WordBankConnection;
class WordListModel;
struct Notice;

// The word bank manager "词库管理": lists the words of the bank newest first,
// copies the selected row into the two edit boxes, suggests a count while a
// word is typed, and adds, deletes, modifies and searches words.
class WordBankWindow final : public ProgramWindow
{
    Q_OBJECT
public:
    explicit WordBankWindow(QWidget *owner = nullptr);

    // Opens the bank and lists it. A bank that cannot be used closes the
    // window before it is shown.
    void created() override;

    // Rebuilds the list from gameState().recordset, counts it into
    // gameState().wordcount and writes the count label.
    void refreshlist();
    // Empties the word, then the count.
    void clearfields();

private:
    void buildControls();
    void setTabCycle();

    void suggestCount();
    void copySelectedRow();

    void add();
    void modify();
    void remove();
    void search();

    int tell(const Notice &notice);

    QGroupBox *fenzukuang1;
    QLabel *biaoqian1;
    QLineEdit *ciyu;
    QLabel *biaoqian3;
    QLineEdit *zishu;
    QPushButton *anniu5;
    QTableView *xinxi;
    QLabel *tiaoshu;
    QPushButton *zengjiabtn;
    QPushButton *shanchbtn;
    QPushButton *updatebtn;
    QPushButton *selectbtn;
    WordBankConnection *waibushujuku1;

    WordListModel *m_words;
    // The row last copied into the edit boxes; -1 after the list is rebuilt.
    int m_copiedRow = -1;
};

// Loads the word bank manager modally over `owner` and returns once it has
// been closed.
void manageWordBank(QWidget *owner);
