#pragma once

// The presentation style sheet: how a report looks when it is shown, saved
// or printed. The report documents stay exactly as their builders write
// them; the sheet is added on the way out, as one
//     <style type="text/css" title="presentation">...</style>
// element directly before "</head>".

#include <QString>

QString presentationStyleElement();

// The document with the presentation sheet added; a document without a
// head, or with the sheet already in it, comes back unchanged.
QString withPresentationStyle(const QString &document);
