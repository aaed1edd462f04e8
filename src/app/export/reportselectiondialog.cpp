#include "reportselectiondialog.h"

#include "app/cskinmanager.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// The boxes' captions and where each one's flag lives.
struct BoxSpec
{
    const char *caption;
    bool ReportSelection::*flag;
};
// clang-format off
const BoxSpec BOXES[CReportSelectionDlg::BOX_COUNT] = {
    {" Western Numerology", &ReportSelection::numerology},
    {" Psychomatrix",       &ReportSelection::psychomatrix},
    {" Compatibility",      &ReportSelection::compatibility},
    {" Celebrities",        &ReportSelection::celebrities},
    {" Graphic Chart",      &ReportSelection::graphicChart},
};
// clang-format on
const char *const CHALDEAN_CAPTION = " Chaldean Numerology";
const char *const BOX_NAMES[CReportSelectionDlg::BOX_COUNT] = {
    "numerologyBox", "psychomatrixBox", "compatibilityBox", "celebritiesBox", "chartBox",
};

} // namespace

CReportSelectionDlg::CReportSelectionDlg(const CSkinManager *skin, bool chaldean, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("reportSelection"));
    setFixedSize(220, 215);
    for (int i = 0; i < BOX_COUNT; ++i) {
        const char *caption = i == NumerologyBox && chaldean ? CHALDEAN_CAPTION : BOXES[i].caption;
        m_boxes[i] = new QCheckBox(QString::fromLatin1(caption), this);
        m_boxes[i]->setObjectName(QLatin1String(BOX_NAMES[i]));
        m_boxes[i]->setGeometry(10, 10 + 30 * i, 200, 25);
        m_boxes[i]->setChecked(true);
    }
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(70, 175, 80, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (skin) {
        skin->applyStyle(this, CSkinManager::KIND_WINDOW);
        skin->applyStyle(ok, CSkinManager::KIND_DEFAULT);
    }
}

ReportSelection CReportSelectionDlg::selection() const
{
    ReportSelection selection;
    for (int i = 0; i < BOX_COUNT; ++i)
        if (!m_boxes[i]->isChecked())
            selection.*BOXES[i].flag = false;
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
