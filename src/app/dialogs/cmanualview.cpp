#include "cmanualview.h"

#include "app/cskinmanager.h"
#include "app/dialogs/escapeshortcut.h"
#include "app/myqwebengineview.h"

#include <QCheckBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QWebEngineSettings>
#include <QWebEngineHistory>

CManualVieW::CManualVieW(const QString &startPage, const CSkinManager *skin, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sorvel Numerology"));
    closeOnEscape(this);
    setMinimumSize(600, 300);
    setMaximumSize(1280, 800);
    // The report view's own menu: Back and Forward, Copy, Select All.
    m_view = new MyQWebEngineView(this);
    m_view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    m_view->load(QUrl::fromLocalFile(startPage));
    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->resize(100, 20);
    connect(m_ok, &QPushButton::clicked, this, &CManualVieW::OnOk);
    // A link followed inside the guide can be gone back from.
    m_back = new QPushButton(QStringLiteral("Back"), this);
    m_back->setObjectName(QStringLiteral("backButton"));
    m_back->resize(100, 20);
    m_back->setEnabled(false);
    connect(m_back, &QPushButton::clicked, m_view, &QWebEngineView::back);
    connect(m_view, &QWebEngineView::urlChanged, this,
            [this] { m_back->setEnabled(m_view->history()->canGoBack()); });
    m_skip = new QCheckBox(QStringLiteral("Do not show this dialog again"), this);
    m_skip->setObjectName(QStringLiteral("skipGuide"));
    m_skip->resize(200, 20);
    if (skin) {
        skin->applyStyle(this, CSkinManager::KIND_WINDOW);
        skin->applyStyle(m_ok, CSkinManager::KIND_DEFAULT);
        skin->applyStyle(m_back, CSkinManager::KIND_DEFAULT);
        skin->applyStyle(m_skip, CSkinManager::KIND_CHECK_BOX);
    }
    resize(800, 600);
}

bool CManualVieW::skipNextTime() const
{
    return m_skip->isChecked();
}

void CManualVieW::OnOk()
{
    m_answered = true;
    close();
}

void CManualVieW::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_skip->move(10, h - 30);
    m_ok->move((w - m_ok->width()) / 2, h - 30);
    m_back->move(w - m_back->width() - 10, h - 30);
    m_view->setGeometry(10, 10, w - 20, h - 50);
}
