#pragma once

// A short line at the foot of the window that confirms what just happened
// ("Saved to /home/ann/Documents/john.num") and goes away by itself after a
// few seconds; nothing to click.

#include <QString>

class CSkinTint;
class QLabel;
class QWidget;

// How long a notice stays, in milliseconds.
constexpr int NOTICE_MILLISECONDS = 5000;

// Shows text in window's notice line (made on first use, object name
// "notice"), in the skin's colours; a new notice replaces the one shown.
QLabel *showNotice(QWidget *window, const CSkinTint *skin, const QString &text);
