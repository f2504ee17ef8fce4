#pragma once

#include <QString>
#include <QtGlobal>

// The game's countdown lives in the caption of its label: the set-up writes
// the game's length in seconds there, and every tick reads and rewrites it.

// What one tick of the countdown does.
struct CountdownStep
{
    bool show = false;     // the caption read "10": the countdown becomes visible
    bool finished = false; // the caption read "0": the game is over
    QString caption;       // the caption after the tick; unchanged when finished
};

// The caption the countdown starts from: the minutes times 60, as a real
// number in text ("60", "120", ... "600").
QString countdownStartText(qint32 gameminutes);

// One tick, given the caption as it stands, the game's minutes and the
// second counter `elapsed`. Unless the caption reads "0", the new caption is
// gameminutes * 60 - elapsed in whole seconds and the caller moves `elapsed`
// on by one.
CountdownStep countdownTick(const QString &caption, qint32 gameminutes, qint32 elapsed);
