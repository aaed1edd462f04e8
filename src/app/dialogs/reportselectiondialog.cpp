#include "reportselectiondialog.h"

#include "app/cskinmanager.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// The boxes stand one under the other; below the last, "Cancel" left of
// "Ok" as in the skinned question.
const int BOX_TOP = 10;
const int BOX_STEP = 30;
const int BOX_LEFT = 10;
const QSize BOX_SIZE(200, 25);
const int OK_GAP = 15; // between the last box's step and "Ok"
const QRect OK_BUTTON(120, 0, 80, 30);
const QRect CANCEL_BUTTON(20, 0, 80, 30);
const int BOTTOM_GAP = 10;
const int DIALOG_WIDTH = 220;

} // namespace

CReportSelectionDlg::CReportSelectionDlg(const CSkinManager *skin, bool chaldean, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("reportSelection"));
    // Short enough for the narrow window's title bar.
    setWindowTitle(QStringLiteral("Reports"));
    int top = BOX_TOP;
    for (const ReportKind kind : choosableKinds()) {
        QCheckBox *box = new QCheckBox(QLatin1Char(' ') + reportTitle(kind, chaldean), this);
        box->setObjectName(QLatin1String(reportKind(kind).fileStem) + QLatin1String("Box"));
        box->setGeometry(QRect(QPoint(BOX_LEFT, top), BOX_SIZE));
        box->setChecked(true);
        m_boxes[kind] = box;
        top += BOX_STEP;
    }
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(OK_BUTTON.translated(0, top + OK_GAP));
    ok->setDefault(true);
    setFixedSize(DIALOG_WIDTH, ok->geometry().bottom() + 1 + BOTTOM_GAP);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setGeometry(CANCEL_BUTTON.translated(0, top + OK_GAP));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (skin) {
        skin->applyStyle(this, CSkinManager::KIND_WINDOW);
        skin->applyStyle(ok, CSkinManager::KIND_DEFAULT);
        skin->applyStyle(cancel, CSkinManager::KIND_DEFAULT);
    }
}

ReportSelection CReportSelectionDlg::selection() const
{
    ReportSelection selection;
    for (const ReportKind kind : choosableKinds())
        if (!m_boxes[kind]->isChecked())
            selection[kind] = false;
    return selection;
}

bool CReportSelectionDlg::chooseReports(const CSkinManager *skin, bool chaldean, ReportSelection &selection,
                                        QWidget *parent)
{
    CReportSelectionDlg dialog(skin, chaldean, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    selection = dialog.selection();
    return accepted;
}
