#include "designeralone.h"

#include "creportcreator.h"
#include "creportpe.h"

#include <QFileInfo>

static const char DESIGNER_OPTION[] = "--designer";

QString designerArgument(const QStringList &arguments)
{
    const int at = arguments.indexOf(QLatin1String(DESIGNER_OPTION));
    if (at < 0)
        return QString();
    if (at + 1 < arguments.size() && !arguments.at(at + 1).startsWith(QLatin1Char('-')))
        return arguments.at(at + 1);
    return QStringLiteral(""); // empty, not null: the designer on a new chart
}

std::unique_ptr<CReportCreatorWin> makeDesignerAlone(const QString &file)
{
    auto window = std::make_unique<CReportCreatorWin>(nullptr, 1);
    CReportCreator *creator = window->creator();
    creator->startNew();
    if (!file.isEmpty()) {
        const QString path = QFileInfo(file).absoluteFilePath();
        creator->setSaveFile(path);
        // A file that cannot be read is never saved over.
        if (QFileInfo::exists(path) && !creator->openFile(path))
            return nullptr;
        if (!QFileInfo::exists(path))
            creator->editor()->document().title = QFileInfo(path).completeBaseName();
    }
    return window;
}

int runDesignerAlone(const QString &file)
{
    std::unique_ptr<CReportCreatorWin> window = makeDesignerAlone(file);
    if (!window)
        return 1;
    window->exec();
    return 0;
}
