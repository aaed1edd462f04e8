#pragma once

// The year-ahead reading: for one calendar year, the personal year with its
// text, then each month with its personal month number, its text and a
// calendar of its days, each day with its personal day number. The numbers
// are the engine's (engine/personalnumbers.h).

#include <QDate>
#include <QString>

class CReportTools;
class TextStore;

// Writes the reading of fullName, born on birthDate, for year into doc
// (replacing its document).
void BuildYearAheadReport(const QString &fullName, const QDate &birthDate, int year, const TextStore &texts,
                          CReportTools &doc);
