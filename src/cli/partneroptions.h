#pragma once

// The partner options shared by the commands that calculate a partner's
// chart beside the person's: --partner-full, --partner-short and
// --partner-birth.

#include "cliutil.h"

void addPartnerOptions(QCommandLineParser &parser);
void writePartnerOptionsUsage(QTextStream &out);

// The partner's request: the partner's names and birth date with the
// person's table, vowel mode, forecast date and options. The names and date
// come from the person file when one was given (the partner options are then
// refused), else from the options, where a missing --partner-full is an
// error. On bad input sets error to a one-line reason.
bool readPartnerOptions(const QCommandLineParser &parser, const ChartRequest &person, ChartRequest &partner,
                        QString &error, const PersonInput *fromFile = nullptr);
