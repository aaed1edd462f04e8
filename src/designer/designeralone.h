#pragma once

// The designer on its own, without the main window: "sorvel --designer
// [FILE.snc]". A given file is opened (or started, when it does not exist
// yet) and every save writes back into that same file.

#include <QStringList>

#include <memory>

class CReportCreatorWin;

// The file after "--designer", or an empty string for a new chart; null
// string when the arguments do not ask for the designer.
QString designerArgument(const QStringList &arguments);
// The designer window for file (empty: a new chart saved into the user's
// template folder); null when file exists but cannot be read (after the
// message saying so).
std::unique_ptr<CReportCreatorWin> makeDesignerAlone(const QString &file);
// Shows it and runs it to its end; the exit status.
int runDesignerAlone(const QString &file);
