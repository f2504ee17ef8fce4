#pragma once

#include <QUrl>

class QWidget;

// The view that shows the banner page across the top of the main window,
// loading `address` at once at medium text size: a Qt WebEngine view, or a
// light text view of the same page in a build without Qt WebEngine.
QWidget *createBannerView(const QUrl &address, QWidget *parent);
