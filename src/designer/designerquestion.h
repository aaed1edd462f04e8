#pragma once

// The designer's yes/no questions ("Are You sure?..." before deleting,
// "Save changes?" on closing). They go through one replaceable function so
// that tests can answer them, and see whether anything was asked at all,
// without a modal box blocking the run.

#include <QString>

#include <functional>

class QWidget;

// Returns true for "Yes".
using DesignerQuestion = std::function<bool(QWidget *parent, const QString &title, const QString &text)>;

// Asks with the installed function, by default a question message box.
bool askDesignerQuestion(QWidget *parent, const QString &title, const QString &text);
// Installs question; an empty function restores the message box.
void setDesignerQuestion(const DesignerQuestion &question);
