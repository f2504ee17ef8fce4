#include "wordbank/wordbankfile.h"

#include "platform/files.h"
#include "platform/shell.h"
#include "wordbank/wordbankconnection.h"

#include <QDir>

QString wordBankPath()
{
    QString path = currentDirectory();
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path + QStringLiteral("caici.mdb");
}

OpenOutcome openWithCheck(WordBankConnection &connection)
{
    if (!fileExists(wordBankPath())) {
        shell().messageBox(QStringLiteral("数据库不存在"), Shell::OkOnly, QStringLiteral("警告"));
        shell().endProgram();
        return OpenOutcome::ProgramEnded;
    }
    return reopen(connection);
}

OpenOutcome reopen(WordBankConnection &connection)
{
    return connection.open(wordBankPath()) ? OpenOutcome::Opened : OpenOutcome::Failed;
}

QString openFailureMessage(const WordBankConnection &connection)
{
    return QStringLiteral("词库无法打开：") + connection.lastError();
}
