#pragma once

// The person data a chart page draws from: the person's and the partner's
// numerology engines and psychomatrices, in this order, as the window owns
// them. The drawing reads the person's two; the partner's are carried for
// the designer. Any of them may be missing: fields and charts without data
// draw nothing but their background.

#include <QDate>
#include <QString>

class CNumerology;
class CNumerologyPMatrix;

struct ChartDataContext
{
    const CNumerology *person = nullptr;
    const CNumerology *partner = nullptr;
    const CNumerologyPMatrix *personMatrix = nullptr;
    const CNumerologyPMatrix *partnerMatrix = nullptr;
    // The practitioner's name, drawn by the "#numerologist" field.
    QString numerologist;
    // The date "#print_date" shows; today when not valid.
    QDate printDate;
};
