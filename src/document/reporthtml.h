#pragma once

// The markup pieces every report builder writes between its texts.

#include <QString>

namespace reporthtml {

const QString CRLF = QStringLiteral("\r\n");
const QString BR = QStringLiteral("<br />");
// A line break that also ends the line of the source.
const QString LINE_END = QStringLiteral("<br />\r\n");

} // namespace reporthtml
