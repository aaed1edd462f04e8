#include "designerquestion.h"

#include <QMessageBox>

namespace {

DesignerQuestion &installedQuestion()
{
    static DesignerQuestion question;
    return question;
}

} // namespace

bool askDesignerQuestion(QWidget *parent, const QString &title, const QString &text)
{
    if (installedQuestion())
        return installedQuestion()(parent, title, text);
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void setDesignerQuestion(const DesignerQuestion &question)
{
    installedQuestion() = question;
}
