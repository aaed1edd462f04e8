#include "openlink.h"

#include "engine/messagereporter.h"

#include <QDesktopServices>
#include <QUrl>

QString unopenedLinkText(const QUrl &url)
{
    if (url.isLocalFile())
        return QStringLiteral("No program on this computer opens this file. You will find it at:\n%1")
            .arg(url.toLocalFile());
    if (url.scheme() == QLatin1String("mailto"))
        return QStringLiteral("No mail program is set up on this computer. Please write to:\n%1").arg(url.path());
    return QStringLiteral("No web browser is set up on this computer. The address is:\n%1")
        .arg(url.toString(QUrl::FullyDecoded));
}

bool openLink(const QUrl &url)
{
    if (QDesktopServices::openUrl(url))
        return true;
    messageReporter().information(url.isLocalFile() ? QStringLiteral("File saved") : QStringLiteral("Address"),
                                  unopenedLinkText(url));
    return false;
}
