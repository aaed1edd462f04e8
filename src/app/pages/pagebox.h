#pragma once

// The parts the pages build their input boxes from.

#include <QDate>
#include <QRect>
#include <QString>

class CDateEdit;
class QLabel;
class QWidget;

// The date an empty date field shows.
const QDate PAGE_EMPTY_DATE(2000, 1, 1);

// A box in the skin's page box style.
QWidget *newPageBox(QWidget *parent, const QSize &size);
// A centred caption.
QLabel *pageCaption(const QString &text, QWidget *parent, const QRect &geometry);
// A date field with the calendar pop-up, showing the empty date.
CDateEdit *newPageDateField(QWidget *parent, const QString &objectName);
