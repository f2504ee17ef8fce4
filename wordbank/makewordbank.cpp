// Build step: makes caici.mdb from the word list, but only where there is no
// word bank yet, so the words a player added are never lost to a rebuild.
#include "wordbank/wordbankbuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: %s WORDLIST WORDBANK\n", argv[0]);
        return 2;
    }
    const QString listPath = arguments[1];
    const QString bankPath = arguments[2];

    if (QFileInfo::exists(bankPath)) {
        std::printf("word bank %s is there already: kept as it is\n", qPrintable(bankPath));
        return 0;
    }

    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(listPath));
        return 1;
    }
    QStringList words;
    while (!list.atEnd()) {
        const QString word = QString::fromUtf8(list.readLine()).trimmed();
        if (!word.isEmpty())
            words.append(word);
    }

    QString error;
    if (!createWordBank(bankPath, words, &error)) {
        std::fprintf(stderr, "cannot make %s: %s\n", qPrintable(bankPath), qPrintable(error));
        return 1;
    }
    std::printf("made word bank %s with %lld words\n", qPrintable(bankPath), static_cast<long long>(words.size()));
    return 0;
}
