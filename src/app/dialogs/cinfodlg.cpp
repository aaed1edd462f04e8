#include "cinfodlg.h"

#include "app/cskinmanager.h"
#include "designer/designerquestion.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

CInfoDlg::CInfoDlg(const CSkinManager *skin, QWidget *window)
    : QWidget(window)
    , m_skin(skin)
{
    const qreal s = m_scale;
    const int width = int(m_width * s);
    const int height = int(230 * s);

    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->resize(int(80 * s), int(20 * s));
    connect(m_ok, &QPushButton::clicked, this, &CInfoDlg::OnOk);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->resize(int(80 * s), int(20 * s));
    connect(m_cancel, &QPushButton::clicked, this, &CInfoDlg::OnCancel);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_label->setWordWrap(true);

    // Style: the skin's for the window and the buttons.
    if (skin) {
        skin->applyStyle(window, CSkinManager::KIND_WINDOW);
        skin->applyStyle(m_ok, CSkinManager::KIND_DEFAULT);
        skin->applyStyle(m_cancel, CSkinManager::KIND_DEFAULT);
    }
    m_label->setStyleSheet(QStringLiteral("font-size: %1px;").arg(int(12 * s)));
    window->setWindowTitle(QStringLiteral("Information"));

    // Size, frame and layout: "Cancel" stands left of "Ok".
    resize(width, height);
    window->setFixedSize(width, height);
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    if (QWidget *owner = window->parentWidget()) {
        const QRect area = owner->window()->geometry();
        window->move(qMax(0, area.x() + (area.width() - width) / 2), qMax(0, area.y() + (area.height() - height) / 2));
    }
    m_label->setGeometry(16, 20, width - 32, height - 80);
    m_ok->move(int(10 * s + width / 2), height - int(30 * s));
    m_cancel->move(int(width / 2 - 90 * s), height - int(30 * s));
}

void CInfoDlg::addCancelButton()
{
    if (m_third)
        return;
    const qreal s = m_scale;
    const int width = int(m_width * s);
    const int height = int(230 * s);
    m_third = new QPushButton(QStringLiteral("Cancel"), this);
    m_third->setObjectName(QStringLiteral("thirdButton"));
    m_third->resize(int(80 * s), int(20 * s));
    if (m_skin)
        m_skin->applyStyle(m_third, CSkinManager::KIND_DEFAULT);
    // "No", "Yes", "Cancel" from left to right; the window is left as it
    // is, so closing it counts as "Cancel".
    m_cancel->move(int(width / 2 - 90 * s), height - int(30 * s));
    m_ok->move(int(10 * s + width / 2), height - int(30 * s));
    m_third->move(int(width / 2 + 100 * s), height - int(30 * s));
    connect(m_third, &QPushButton::clicked, this, [this] {
        m_result = 1;
        window()->close();
    });
    m_result = 1;
    m_third->show();
}

void CInfoDlg::OnOk()
{
    m_result = 0;
    window()->close();
}

void CInfoDlg::OnCancel()
{
    m_result = -1;
    window()->close();
}

CInfoDlgWin::CInfoDlgWin(const CSkinManager *skin, QWidget *parent)
    : QDialog(parent)
    , m_content(new CInfoDlg(skin, this))
{
}

namespace {

// The skinned question with Yes and No, and Cancel when asked for.
int ask(const CSkinManager *skin, const QString &title, const QString &text, QWidget *parent, bool withCancel)
{
    CInfoDlgWin window(skin, parent);
    window.setWindowTitle(title);
    CInfoDlg *content = window.content();
    content->label()->setText(text);
    content->okButton()->setText(QStringLiteral("Yes"));
    content->cancelButton()->setText(QStringLiteral("No"));
    if (withCancel)
        content->addCancelButton();
    window.exec();
    return content->result();
}

} // namespace

int askQuestion(const CSkinManager *skin, const QString &title, const QString &text, QWidget *parent)
{
    return ask(skin, title, text, parent, false);
}

int askQuestionOrCancel(const CSkinManager *skin, const QString &title, const QString &text, QWidget *parent)
{
    return ask(skin, title, text, parent, true);
}

void useSkinnedDesignerQuestions(const CSkinManager *skin)
{
    const QPointer<const CSkinManager> alive(skin);
    setDesignerQuestion([alive](QWidget *parent, const QString &title, const QString &text, bool withCancel) {
        if (!withCancel)
            return askQuestion(alive.data(), title, text, parent) == 0 ? DesignerAnswer::Yes
                                                                       : DesignerAnswer::No;
        switch (askQuestionOrCancel(alive.data(), title, text, parent)) {
        case 0:
            return DesignerAnswer::Yes;
        case -1:
            return DesignerAnswer::No;
        default:
            return DesignerAnswer::Cancel;
        }
    });
}
