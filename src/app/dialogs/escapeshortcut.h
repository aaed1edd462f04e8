#pragma once

class QDialog;

// Escape closes the dialog (rejects it) even while a web view inside it has
// the focus: the view keeps the key to itself otherwise.
void closeOnEscape(QDialog *dialog);
