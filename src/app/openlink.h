#pragma once

// Addresses the window hands to the desktop: a web page, a mail address, a
// file just written. Without a program to open one (no browser, no mail
// program, no PDF viewer) the user is told the address instead, so nothing
// ends silently.

#include <QString>

class QUrl;

// What the user reads when nothing opened the address: the address itself,
// written so it can be copied (a mail address without "mailto:" and its
// subject, a file as its local path).
QString unopenedLinkText(const QUrl &url);

// Opens url with the desktop's program for it; when there is none, says so
// with the address. Returns whether a program took it.
bool openLink(const QUrl &url);
