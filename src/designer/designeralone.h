#pragma once

// The designer on its own, without the main window: "sorvel --designer
// [FILE.snc]". It is the full designer, with the pages-and-blocks pane for
// documents of several pages and reusable blocks. A given file is opened (or started, when it does not exist
// yet) and every save writes back into that same file.

#include "charts/chartdatacontext.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include <QStringList>

#include <memory>

class CReportCreatorWin;

// A sample person the designer alone draws its charts and fields with, so
// that a template looks as it will on the chart page. Not saved anywhere.
class DesignerSample
{
public:
    DesignerSample();
    ChartDataContext data() const;

private:
    CNumerology m_chart;
    CNumerologyPMatrix m_square;
};

// The file after "--designer", or an empty string for a new chart; null
// string when the arguments do not ask for the designer.
QString designerArgument(const QStringList &arguments);
// The designer window for file (empty: a new chart saved into the user's
// template folder); null when file exists but cannot be read (after the
// message saying so).
std::unique_ptr<CReportCreatorWin> makeDesignerAlone(const QString &file,
                                                     const ChartDataContext &data = ChartDataContext());
// Shows it and runs it to its end; the exit status.
int runDesignerAlone(const QString &file);
