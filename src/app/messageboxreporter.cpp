#include "messageboxreporter.h"

#include <QMessageBox>

void CMessageBoxReporter::critical(const QString &title, const QString &text)
{
    QMessageBox::critical(m_parent, title, text, QMessageBox::Ok);
}
