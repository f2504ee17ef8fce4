// Builds the word bank's statements from arbitrary words and runs them on a
// real word bank: whatever a player types, an added word is found again by
// the duplicate test and the search, and deleting it leaves the bank as it was.
#include "wordbank/statements.h"
#include "wordbank/wordbankbuilder.h"
#include "wordbank/wordbankconnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

struct Bank {
    // In memory-backed /dev/shm where there is one: every add is committed
    // and synced, which is slow on a disk.
    Bank()
        : folder(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/caici-fuzz-XXXXXX") : QString())
    {
        QString error;
        if (!folder.isValid() || !createWordBank(folder.filePath("caici.mdb"), {"大象", "小猫", "a_b", "100%"}, &error)
            || !connection.open(folder.filePath("caici.mdb")))
            std::abort();
    }
    QTemporaryDir folder;
    WordBankConnection connection{nullptr};
};

qsizetype rowsOf(WordBankConnection &connection, const Statement &statement)
{
    const RecordSetHandle handle = connection.query(statement);
    if (handle == 0)
        std::abort();
    qsizetype rows = 0;
    for (connection.moveFirst(handle); !connection.isAfterLast(handle); connection.moveNext(handle))
        ++rows;
    connection.release(handle);
    return rows;
}

// SQLite stores the Unicode noncharacters (U+FFFE, U+FFFF, U+FDD0 to
// U+FDEF and their kin in every plane) as U+FFFD, so a word holding one does
// not read back as typed; nobody types them, and they are left out here.
bool hasNoncharacter(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if ((c & 0xFFFE) == 0xFFFE || (c >= 0xFDD0 && c <= 0xFDEF))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_statements";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static Bank bank;
    WordBankConnection &connection = bank.connection;

    // The first half is the word, the rest its count text.
    const QString all = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    // Split between characters, never inside a surrogate pair.
    const QList<uint> characters = all.toUcs4();
    const auto *first = reinterpret_cast<const char32_t *>(characters.constData());
    const qsizetype half = characters.size() / 2;
    const QString word = QString::fromUcs4(first, half);
    const QString count = QString::fromUcs4(first + half, characters.size() - half);
    if (word.isEmpty() || all.contains(QChar(0)) || hasNoncharacter(all))
        return 0;

    const qsizetype before = rowsOf(connection, statements::wholeBank());
    const qsizetype twins = rowsOf(connection, statements::findWord(word));
    const ExecuteResult added = connection.execute(statements::insertWord(word, count));
    if (!added.ok || added.rowsChanged != 1)
        std::abort();
    if (rowsOf(connection, statements::findWord(word)) != twins + 1)
        std::abort();
    if (rowsOf(connection, statements::search(word, count)) < 1)
        std::abort();

    const RecordSetHandle newest = connection.query(statements::newestFirst());
    const QString id = connection.fieldText(newest, "ID");
    if (connection.fieldText(newest, "词语") != word || connection.fieldText(newest, "字数") != count)
        std::abort();
    connection.release(newest);
    if (connection.execute(statements::updateWord(word + "x", count, id)).rowsChanged != 1)
        std::abort();
    if (connection.execute(statements::deleteWord(id)).rowsChanged != 1)
        std::abort();
    if (rowsOf(connection, statements::wholeBank()) != before)
        std::abort();
    return 0;
}
