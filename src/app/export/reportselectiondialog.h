#pragma once

// The choice of reports for the combined PDF: five check boxes, all checked,
// and "Ok". The pet and name advisor reports are always part of the PDF and
// have no box.

#include "export/reportassembly.h"

#include <QDialog>

class CSkinManager;
class QCheckBox;

class CReportSelectionDlg : public QDialog
{
    Q_OBJECT
public:
    // The boxes, top to bottom.
    enum Box { NumerologyBox, PsychomatrixBox, CompatibilityBox, CelebritiesBox, ChartBox, BOX_COUNT };

    // chaldean: the input's Chaldean option, which names the first box.
    CReportSelectionDlg(const CSkinManager *skin, bool chaldean, QWidget *parent = nullptr);

    QCheckBox *box(Box box) const { return m_boxes[box]; }
    // Every flag set, then cleared by its unchecked box.
    ReportSelection selection() const;

    // Runs the dialog modally and stores its choice in selection; true only
    // when the user pressed "Ok".
    static bool chooseReports(const CSkinManager *skin, bool chaldean, ReportSelection &selection,
                              QWidget *parent);

private:
    QCheckBox *m_boxes[BOX_COUNT] = {};
};
