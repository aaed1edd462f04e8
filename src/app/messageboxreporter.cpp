#include "messageboxreporter.h"

#include <QMessageBox>

void CMessageBoxReporter::critical(const QString &title, const QString &text)
{
    QMessageBox::critical(m_parent, title, text, QMessageBox::Ok);
}

void CMessageBoxReporter::information(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, m_parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}
