#pragma once

// The designer's questions ("Are You sure?..." before deleting, "Save
// changes?" on closing). They go through one replaceable function: the
// program installs its skinned question dialog (the designer knows nothing
// of skins), and tests answer them and see whether anything was asked,
// without a modal box blocking the run.

#include <QString>

#include <functional>

class QWidget;

enum class DesignerAnswer { Yes, No, Cancel };

// Asks text under title; withCancel offers "Cancel" beside "Yes" and "No"
// (closing the window is then "Cancel", otherwise "No").
using DesignerQuestion = std::function<DesignerAnswer(QWidget *parent, const QString &title,
                                                      const QString &text, bool withCancel)>;

// Yes or no: true for "Yes". Asked with the installed function, by default
// a question message box.
bool askDesignerQuestion(QWidget *parent, const QString &title, const QString &text);
// Yes, no or cancel.
DesignerAnswer askDesignerChoice(QWidget *parent, const QString &title, const QString &text);
// Installs question; an empty function restores the message box.
void setDesignerQuestion(const DesignerQuestion &question);
