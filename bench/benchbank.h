#pragma once

class QTemporaryDir;

// Makes a word bank of `wordCount` generated words in `folder` and makes the
// folder the current directory, as the program's own folder is while it runs.
void enterGeneratedWordBank(const QTemporaryDir &folder, int wordCount);
