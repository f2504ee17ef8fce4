#include "platform/files.h"

#include <QDir>
#include <QFileInfo>

QString currentDirectory()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

void enterProgramDirectory(const QString &programDirectory)
{
    QDir::setCurrent(programDirectory);
}

bool fileExists(const QString &name)
{
    if (name.isEmpty())
        return false;
    const QFileInfo info(name);
    const QString pattern = info.fileName();
    const bool hasWildcards = pattern.contains(u'*') || pattern.contains(u'?') || pattern.contains(u'[');
    if (!hasWildcards)
        return info.exists() || info.isSymLink();
    const QDir folder = info.dir();
    return !folder.entryList({pattern}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .isEmpty();
}
