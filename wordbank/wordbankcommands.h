#pragma once

#include "app/gamestate.h"

#include <QString>
#include <optional>

class WordBankConnection;

// What the manager's commands do to the word bank and to the game state, and
// what they tell the player. The manager window reads its edit boxes, calls
// these in order and shows the notices; nothing here shows anything.

// A message for the player: text, message box flags and caption.
struct Notice
{
    QString text;
    int flags = 0;
    QString caption;
    bool operator==(const Notice &other) const = default;
};

// The result of a command that changes the table.
struct Change
{
    bool done = false; // the table changed and `recordset` holds the new list
    // What to tell the player; empty text when there is nothing to tell.
    Notice notice;
};

// Walks the record set from its first row to past its last and returns the
// number of rows it went through.
qint32 walkRows(WordBankConnection &connection, RecordSetHandle recordset);

// The count suggested for a word while it is typed: its characters.
QString countSuggestion(const QString &word);

// The label under the list: all words listed, or the words a search found.
QString listedCaption(qint32 wordcount);
QString foundCaption(qint32 wordcount);

// The manager opens on its list, newest word first, into `recordset`.
void queryNewestFirst(WordBankConnection &connection, GameState &state);

// Add. Takes the duplicate test into `recordset` and counts its rows into
// `wordcount`, then checks that both fields are filled; a notice when the
// word may not be added.
std::optional<Notice> refuseAdd(WordBankConnection &connection, GameState &state, const QString &word,
                                const QString &count);
// Inserts the word, then reopens the bank and lists it newest first.
Change addWord(WordBankConnection &connection, GameState &state, const QString &word, const QString &count);

// Modify. A notice when no word is selected or a field is empty.
std::optional<Notice> refuseModify(const GameState &state, const QString &word, const QString &count);
// Changes the selected row, then reopens the bank and lists it newest first.
Change modifyWord(WordBankConnection &connection, GameState &state, const QString &word, const QString &count);

// Delete. A notice when no word is selected.
std::optional<Notice> refuseDelete(const GameState &state);
// The question asked before a delete; only OK goes on.
Notice deleteConfirmation();
// Deletes the selected row, forgets the selection, then reopens the bank
// and lists it in the database's own order. Nothing to tell on success.
Change deleteWord(WordBankConnection &connection, GameState &state);

// Search: the words containing `word` whose count text is `count`, each
// condition only when filled in, into `recordset`.
void searchWords(WordBankConnection &connection, GameState &state, const QString &word, const QString &count);
