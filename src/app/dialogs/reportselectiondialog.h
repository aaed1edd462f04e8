#pragma once

// The choice of reports for the combined PDF: one check box per report kind
// the user may leave out (reports/reportkinds.h), all checked, "Cancel" and
// "Ok".
// The pet and name advisor reports are always part of the PDF and have no
// box.

#include "export/reportassembly.h"

#include <QDialog>

class CSkinManager;
class QCheckBox;

class CReportSelectionDlg : public QDialog
{
    Q_OBJECT
public:
    // chaldean: the input's Chaldean option, which names the first box.
    CReportSelectionDlg(const CSkinManager *skin, bool chaldean, QWidget *parent = nullptr);

    // The box of a choosable kind; null for a kind without one.
    QCheckBox *box(ReportKind kind) const { return m_boxes[kind]; }
    // Every flag set, then cleared by its unchecked box.
    ReportSelection selection() const;

    // Runs the dialog modally and stores its choice in selection; true only
    // when the user pressed "Ok".
    static bool chooseReports(const CSkinManager *skin, bool chaldean, ReportSelection &selection,
                              QWidget *parent);

private:
    QCheckBox *m_boxes[REPORT_KIND_COUNT] = {};
};
