#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The lengths a game may have, in minutes: the items of the main window's
// time box.
inline constexpr qint32 shortestGameMinutes = 1;
inline constexpr qint32 longestGameMinutes = 10;

// The game length the time box's text asks for: the text must be a whole
// number (blanks around it, an optional sign and full-width digits allowed)
// from 1 to 10, read with textToInteger. Anything else (empty, 0, 11,
// letters, "5分", "2.5") gives no length.
std::optional<qint32> gameMinutesFromText(const QString &text);
