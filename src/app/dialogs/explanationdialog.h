#pragma once

// The explanation of one number: a guide page with its picture, shown in a
// modal dialog over the window.

#include <QDialog>

class ExplanationDialog : public QDialog
{
    Q_OBJECT
public:
    // page: a complete HTML guide page; title: what it explains.
    ExplanationDialog(const QString &page, const QString &title, QWidget *parent);
};

// The panels whose rows open an explanation.
enum class ExplainedPanel { MainFeatures, AdditionalFeatures, LifeCycles, Psychomatrix };

// The guide page and its picture (in the report pictures' folder) that
// explain a row of a panel; false for a row without one.
bool explanationOf(ExplainedPanel panel, int row, int &guidePage, QString &picture);
