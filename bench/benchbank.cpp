#include "bench/benchbank.h"

#include "platform/files.h"
#include "wordbank/wordbankbuilder.h"

#include <QStringList>
#include <QTemporaryDir>

void enterGeneratedWordBank(const QTemporaryDir &folder, int wordCount)
{
    if (!folder.isValid())
        qFatal("cannot make a temporary folder");
    QStringList words;
    words.reserve(wordCount);
    for (int i = 1; i <= wordCount; ++i)
        words.append(QStringLiteral("词语%1").arg(i));
    QString error;
    if (!createWordBank(folder.filePath(QStringLiteral("caici.mdb")), words, &error))
        qFatal("cannot make the word bank: %s", qPrintable(error));
    enterProgramDirectory(folder.path());
}
