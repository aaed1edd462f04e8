#pragma once

// The name fields' length: a calculation reads MAX_NAME_LENGTH characters of
// a name, so a field keeps no more. A longer name typed or pasted is cut
// after its last whole word that fits, and the window says so.

#include <QString>

class CSkinTint;
class QLineEdit;

// The text cut to at most max characters, after the last whole word when a
// word would be split; a single word longer than max is cut at max. Text
// that fits comes back unchanged.
QString cutAtWord(const QString &text, int max);

// What the window says when a name was cut.
QString nameCutNotice(int max);

// Watches what the user types or pastes into the field: a name too long for
// a calculation is cut by cutAtWord and the notice shows at the foot of the
// field's window.
void limitNameField(QLineEdit *field, const CSkinTint *skin);
