#include "ceuladlg.h"

#include "app/cskinmanager.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

CEulaDlg::CEulaDlg(const CSkinManager *skin, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sorvel Numerology"));
    setFixedSize(400, 400);

    auto *text = new QPlainTextEdit(this);
    text->setReadOnly(true);
    text->setPlainText(agreementText());
    text->setGeometry(10, 10, 380, 340);

    auto *accept = new QPushButton(QStringLiteral("Accept"), this);
    accept->setGeometry(210, 365, 80, 20);
    accept->setDefault(true);
    connect(accept, &QPushButton::clicked, this, &CEulaDlg::OnOk);

    auto *reject = new QPushButton(QStringLiteral("Reject"), this);
    reject->setGeometry(305, 365, 80, 20);
    reject->setAutoDefault(false);
    connect(reject, &QPushButton::clicked, this, &CEulaDlg::OnCancel);

    if (skin) {
        skin->applyStyle(this, CSkinManager::KIND_WINDOW);
        for (QWidget *widget : std::initializer_list<QWidget *>{text, accept, reject})
            skin->applyStyle(widget, CSkinManager::KIND_DEFAULT);
    } else {
        accept->setStyleSheet(QStringLiteral("color: black;"));
    }
}

QString CEulaDlg::agreementText()
{
    QFile file(QStringLiteral(":/licence/licence.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void CEulaDlg::OnOk()
{
    m_accepted = true;
    accept();
}

void CEulaDlg::OnCancel()
{
    m_accepted = false;
    reject();
}
