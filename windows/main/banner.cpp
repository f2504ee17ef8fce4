#include "windows/main/banner.h"

#ifdef CAICI_WEBENGINE
#include <QWebEngineSettings>
#include <QWebEngineView>
#else
#include <QTextBrowser>
#endif

namespace {

// Medium text size: the browser's own default of 16 pixels at 100 % zoom.
constexpr int mediumTextPixels = 16;

#ifndef CAICI_WEBENGINE

// The light view has no CSS layout: its text starts at the corner of the
// view, which the main window's strips cover, so the margins move it to where
// the page's box begins (16, 22); the document margin stands for the box's
// padding. The page's gradient is beyond it too; the base colour is the
// gradient's middle so that the white title reads.
class LightBannerView final : public QTextBrowser
{
public:
    explicit LightBannerView(QWidget *parent)
        : QTextBrowser(parent)
    {
        setViewportMargins(16, 22, 0, 0);
    }
};

#endif

} // namespace

QWidget *createBannerView(const QUrl &address, QWidget *parent)
{
#ifdef CAICI_WEBENGINE
    auto *view = new QWebEngineView(parent);
    view->settings()->setFontSize(QWebEngineSettings::DefaultFontSize, mediumTextPixels);
    view->setZoomFactor(1.0);
    // A banner, not a browser: no Back/Reload menu, no page dropped onto it.
    view->setContextMenuPolicy(Qt::NoContextMenu);
    view->setAcceptDrops(false);
    view->load(address);
    return view;
#else
    auto *view = new LightBannerView(parent);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setTabChangesFocus(true);
    view->setOpenLinks(false);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, QColor(0xff, 0x8a, 0x4c));
    palette.setColor(QPalette::Text, Qt::white);
    view->setPalette(palette);
    QFont font = view->font();
    font.setPixelSize(mediumTextPixels);
    view->document()->setDefaultFont(font);
    view->setSource(address);
    view->document()->setDocumentMargin(10);
    return view;
#endif
}
