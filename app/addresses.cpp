#include "app/addresses.h"

#include "platform/files.h"

#include <QDir>

namespace {

QUrl pageAddress(const QString &fileName)
{
    // QDir joins without doubling the separator when the program runs from
    // the root of a drive.
    const QDir folder(QDir::fromNativeSeparators(currentDirectory()));
    return QUrl::fromLocalFile(folder.filePath(QStringLiteral("pages/") + fileName));
}

} // namespace

QUrl bannerPageAddress()
{
    return pageAddress(QStringLiteral("banner.html"));
}

QUrl homePageAddress()
{
    return pageAddress(QStringLiteral("home.html"));
}

QUrl supportPageAddress()
{
    return pageAddress(QStringLiteral("support.html"));
}
