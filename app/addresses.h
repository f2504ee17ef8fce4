#pragma once

#include <QUrl>

// The game's own pages, shipped in the "pages" folder beside the program and
// reached by their file address. Each address is built from the current
// directory when it is asked for, so it always names the folder the program
// runs from.

// The banner shown across the top of the main window.
QUrl bannerPageAddress();
// The publisher's home page: what the game is and how to play it.
QUrl homePageAddress();
// How to support the game: send good words, report problems, tell friends.
QUrl supportPageAddress();
