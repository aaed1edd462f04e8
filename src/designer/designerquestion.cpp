#include "designerquestion.h"

#include <QMessageBox>

namespace {

DesignerQuestion &installedQuestion()
{
    static DesignerQuestion question;
    return question;
}

DesignerAnswer ask(QWidget *parent, const QString &title, const QString &text, bool withCancel)
{
    if (installedQuestion())
        return installedQuestion()(parent, title, text, withCancel);
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent, title, text, buttons,
                                  withCancel ? QMessageBox::Cancel : QMessageBox::No)) {
    case QMessageBox::Yes:
        return DesignerAnswer::Yes;
    case QMessageBox::No:
        return DesignerAnswer::No;
    default:
        return withCancel ? DesignerAnswer::Cancel : DesignerAnswer::No;
    }
}

} // namespace

bool askDesignerQuestion(QWidget *parent, const QString &title, const QString &text)
{
    return ask(parent, title, text, false) == DesignerAnswer::Yes;
}

DesignerAnswer askDesignerChoice(QWidget *parent, const QString &title, const QString &text)
{
    return ask(parent, title, text, true);
}

void setDesignerQuestion(const DesignerQuestion &question)
{
    installedQuestion() = question;
}
