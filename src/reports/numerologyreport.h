#pragma once

// The numerology report: the person's whole chart and the meaning of every
// number, as one HTML document.
//
//   title block        headings and the summary of all numbers
//   chart tables       full and short name tables, planes of expression,
//                      (master numbers emphasised up to here), personal
//                      numbers calendar, essence and transits
//   chart note         the general note under the tables
//   number sections    26 sections in a fixed order, each a heading with
//                      its number and the interpretation texts of its topic
//
// The builders are plain functions of a calculated chart: they read the
// engine's result record, report values and forecast rules, and the text
// store, and write into any report document.

#include <QString>

class CNumerology;
class CReportTools;
class TextStore;

// Writes the whole report of chart into doc (replacing its document) and
// leaves the summary in doc's summary text.
void BuildNumerologyReport(const CNumerology &chart, const TextStore &texts, CReportTools &doc);

// The summary of the title block: one line per number, each ended by
// "<br />\r\n".
QString BuildNumberSummary(const CNumerology &chart);

// Appends the chart tables to doc, which must have been begun: the name and
// planes tables, the master emphasis over everything after the head, then
// the calendar and the essence and transits table.
void BuildChartTables(const CNumerology &chart, CReportTools &doc);
