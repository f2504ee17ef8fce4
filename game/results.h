#pragma once

#include <QString>
#include <QtGlobal>

// The three lines of the results page.

// "总共5个词语": the words answered, guessed or passed.
QString answeredText(qint32 answered);
// "猜正确3个词语": the words guessed.
QString correctText(qint32 correct);
// "猜中率：60%": guessed / answered * 100 as a real number in text. A game
// with nothing answered has a rate of 0.
QString hitRateText(qint32 correct, qint32 answered);
