#pragma once

#include <QMetaType>
#include <QString>
#include <QVariantList>

// One statement for the word bank: its SQL text, with a ? wherever a typed
// value goes, and those values in order. Typed values are always bound, never
// spliced into the text, so an apostrophe or a piece of SQL in a word is just
// part of the word.
struct Statement
{
    QString text;
    QVariantList values;
};
Q_DECLARE_METATYPE(Statement)

// Every statement the program sends to the word bank is built here.
namespace statements {

// The manager's list, newest word first: when it opens and after an add.
Statement newestFirst();
// The same list after a modify.
Statement newestFirstAfterModify();
// The whole bank in the database's own order: after a delete.
Statement wholeBank();
// The manager's search: words containing `word` (when not empty) whose count
// text equals `count` (when not empty). % and _ in `word` match themselves.
Statement search(const QString &word, const QString &count);
// Rows holding exactly `word`: the duplicate test before an add.
Statement findWord(const QString &word);
// Adds `word` with its count text; the database numbers it.
Statement insertWord(const QString &word, const QString &count);
// Changes the word and count of the row whose ID text is `id`.
Statement updateWord(const QString &word, const QString &count, const QString &id);
// Deletes the row whose ID text is `id`.
Statement deleteWord(const QString &id);
// Every row in ascending ID order: the game's set-up.
Statement allIdsAscending();
// The row with this ID: the game's draw.
Statement wordById(qint32 id);

// `text` with the LIKE wildcards % and _ (and the escape character itself)
// escaped, so that a LIKE with escape '\' matches it literally.
QString escapeLikePattern(const QString &text);

} // namespace statements
