#include "pagebox.h"

#include "app/cdateedit.h"

#include <QLabel>

QWidget *newPageBox(QWidget *parent, const QSize &size)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QStringLiteral("pageBox"));
    box->setAttribute(Qt::WA_StyledBackground);
    box->resize(size);
    return box;
}

QLabel *pageCaption(const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

CDateEdit *newPageDateField(QWidget *parent, const QString &objectName)
{
    auto *field = new CDateEdit(PAGE_EMPTY_DATE, parent);
    setBirthDateRange(field);
    field->setObjectName(objectName);
    field->setCalendarPopup(true);
    return field;
}
