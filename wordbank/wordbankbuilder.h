#pragma once

#include <QString>
#include <QStringList>

// Makes a new word bank file at `path` holding `words`, each with its number
// of characters as its count. It is written under a temporary name and moved
// into place only when complete, and an existing file is never touched:
// returns false with `error` set if the file exists or anything fails.
bool createWordBank(const QString &path, const QStringList &words, QString *error);

// The table every word bank holds.
QString wordTableDefinition();
