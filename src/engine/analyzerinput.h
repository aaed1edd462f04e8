#pragma once

#include <QString>

// The name advisor's input as its page hands it to the engine: the text cut
// to 300 characters, every comma removed, the name clean-up applied and the
// words joined by single spaces ("Anna, Maria" gives "Anna Maria").
QString AnalyzerName(const QString &text);

// Prepares text as AnalyzerName does into name. When nothing is left,
// reports "Enter your data before calculation!" and returns false.
bool PrepareAnalyzerName(const QString &text, QString &name);
