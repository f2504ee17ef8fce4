#include "platform/conversions.h"
#include "tests/support/tempwordbank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList shippedWords()
{
    QFile file(QStringLiteral(WORD_LIST_FILE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the word list");
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Runs the build step that makes a word bank at `path` from `list`.
bool makeWordBank(const QString &path, const QString &list = QStringLiteral(WORD_LIST_FILE))
{
    QProcess tool;
    tool.start(QStringLiteral(MAKE_WORD_BANK), {list, path});
    return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

} // namespace

class TestShippedWords : public QObject
{
    Q_OBJECT
private slots:
    void wordList_holdsEnoughDistinctChineseWords();
    void build_madeTheWordBankBesideTheProgram();
    void madeBank_holdsEveryWordWithItsCharacterCount();
    void rebuild_keepsTheWordsAPlayerAdded();
    void wordListSavedByAWindowsEditor_givesTheSameWords();
};

void TestShippedWords::wordList_holdsEnoughDistinctChineseWords()
{
    const QStringList words = shippedWords();
    QVERIFY2(words.size() >= 1500, qPrintable(QString::number(words.size())));
    QSet<QString> seen;
    const QRegularExpression chinese(QStringLiteral("^\\p{Han}+$"));
    for (const QString &word : words) {
        QVERIFY2(!seen.contains(word), qPrintable("twice: " + word));
        seen.insert(word);
        QVERIFY2(chinese.match(word).hasMatch(), qPrintable("not a Chinese word: " + word));
    }
}

void TestShippedWords::build_madeTheWordBankBesideTheProgram()
{
    QVERIFY(QFile::exists(QStringLiteral(BUILT_WORD_BANK)));
    QFile bank(QStringLiteral(BUILT_WORD_BANK));
    QVERIFY(bank.open(QIODevice::ReadOnly));
    QCOMPARE(bank.read(16), QByteArray("SQLite format 3\0", 16));
}

void TestShippedWords::madeBank_holdsEveryWordWithItsCharacterCount()
{
    TempWordBank bank;
    bank.remove();
    QVERIFY(makeWordBank(bank.path()));
    const QList<TempWordBank::Row> rows = bank.rows();
    const QStringList words = shippedWords();
    QCOMPARE(rows.size(), words.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].word, words[i]);
        QCOMPARE(rows[i].count, QString::number(characterCount(words[i])));
        QCOMPARE(rows[i].id, qint64(i + 1));
    }
}

void TestShippedWords::rebuild_keepsTheWordsAPlayerAdded()
{
    TempWordBank bank;
    bank.remove();
    QVERIFY(makeWordBank(bank.path()));
    bank.insert(QStringLiteral("我们自己的词"), QStringLiteral("6"));
    bank.exec(QStringLiteral("delete from ciyu where ID=1"));
    const QByteArray before = bank.bytes();
    QVERIFY(makeWordBank(bank.path()));
    QCOMPARE(bank.bytes(), before);
    QVERIFY(bank.words().contains(QStringLiteral("我们自己的词")));
    QVERIFY(!QFile::exists(bank.path() + ".partial"));
}

// Notepad saves UTF-8 with a byte-order mark and CR LF line ends; neither
// belongs to a word.
void TestShippedWords::wordListSavedByAWindowsEditor_givesTheSameWords()
{
    TempWordBank bank;
    bank.remove();
    const QString list = QFileInfo(bank.path()).dir().filePath(QStringLiteral("words.txt"));
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF大象\r\n小猫\r\n");
    file.close();
    QVERIFY(makeWordBank(bank.path(), list));
    QCOMPARE(bank.words(), QStringList({QStringLiteral("大象"), QStringLiteral("小猫")}));
}

QTEST_GUILESS_MAIN(TestShippedWords)
#include "tst_shippedwords.moc"
