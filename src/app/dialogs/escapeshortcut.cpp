#include "escapeshortcut.h"

#include <QDialog>
#include <QKeySequence>
#include <QShortcut>

void closeOnEscape(QDialog *dialog)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), dialog);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, dialog, &QDialog::reject);
}
