// Adds words to a word bank through the program's own store, as a player
// adding one word after another would, and prints each word only once its add
// has reported success. The reliability tests kill it, limit its file size
// or run two of it at once, then check that every printed word is there.
//
//   wordbank_adder BANK PREFIX COUNT [--file-size-limit BYTES] [--delete-every N]
#include "wordbank/statements.h"
#include "wordbank/wordbankconnection.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: wordbank_adder BANK PREFIX COUNT [--file-size-limit BYTES] [--delete-every N]\n");
        return 2;
    }
    const QString bank = arguments[1];
    const QString prefix = arguments[2];
    const int count = arguments[3].toInt();
    int deleteEvery = 0;
    for (int i = 4; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--file-size-limit") {
            // A full disk: writes past the limit fail with EFBIG instead of
            // killing the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = arguments[i + 1].toULongLong();
            const rlimit value{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &value) != 0)
                return 3;
        } else if (arguments[i] == "--delete-every") {
            deleteEvery = arguments[i + 1].toInt();
        }
    }

    WordBankConnection connection(nullptr);
    if (!connection.open(bank)) {
        std::printf("open failed: %s\n", qPrintable(connection.lastError()));
        return 1;
    }
    std::printf("opened\n");
    std::fflush(stdout);
    QString lastAdded;
    for (int i = 1; i <= count; ++i) {
        const QString word = prefix + QString::number(i);
        const ExecuteResult added = connection.execute(statements::insertWord(word, QString::number(word.size())));
        if (!added.ok || added.rowsChanged != 1) {
            std::printf("failed %s: %s\n", qPrintable(word), qPrintable(added.error));
            std::fflush(stdout);
            return 0;
        }
        std::printf("added %s\n", qPrintable(word));
        std::fflush(stdout);
        if (deleteEvery > 0 && i % deleteEvery == 0) {
            // Delete the word before this one, by its ID.
            const RecordSetHandle found = connection.query(statements::findWord(prefix + QString::number(i - 1)));
            const QString id = connection.fieldText(found, "ID");
            connection.release(found);
            const ExecuteResult deleted = connection.execute(statements::deleteWord(id));
            if (!deleted.ok || deleted.rowsChanged != 1) {
                std::printf("failed to delete %s%d: %s\n", qPrintable(prefix), i - 1, qPrintable(deleted.error));
                std::fflush(stdout);
                return 0;
            }
            std::printf("deleted %s%d\n", qPrintable(prefix), i - 1);
            std::fflush(stdout);
        }
    }
    std::printf("done\n");
    return 0;
}
