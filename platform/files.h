#pragma once

#include <QString>

// The current directory, without a trailing separator except at the root.
QString currentDirectory();

// Makes the folder of the program file the current directory.
void enterProgramDirectory(const QString &programDirectory);

// True when a file or directory matches `name`. The last part of the name may
// hold the wildcards * ? and [...].
bool fileExists(const QString &name);
