// Text fields (kind 6): the person-data variables the designer offers
// ("Full Name", "Short Name", "Birthdate", "Print date", "Numerologist")
// and free texts.

#include "chartdocument.h"
#include "chartelements.h"
#include "chartrenderer.h"

#include "engine/cnumerology.h"
#include "engine/readingtext.h"

#include <QPainter>

QString fullNameFieldValue(const ChartDataContext &data)
{
    return data.person ? data.person->result().fullName.toUpper() : QString();
}

QString shortNameFieldValue(const ChartDataContext &data)
{
    return data.person ? data.person->result().shortName.toUpper() : QString();
}

QString birthDateFieldValue(const ChartDataContext &data)
{
    return data.person ? chartDateText(data.person->result().birthDate) : QString();
}

QString printDateFieldValue(const ChartDataContext &data)
{
    return chartDateText(data.printDate.isValid() ? data.printDate : QDate::currentDate());
}

// The practitioner's name as the user typed it in the settings.
QString numerologistFieldValue(const ChartDataContext &data)
{
    return data.numerologist;
}

QString chartDateText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return MonthAbbreviation(date.month()) + QLatin1Char(' ') + QString::number(date.day()) +
           QLatin1Char(' ') + QString::number(date.year());
}

QString fieldText(const QString &code, const ChartDataContext &data)
{
    const ChartElementKind *field = fieldKindWithCode(code);
    return field ? field->value(data) : QString();
}

void drawTextField(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                   const ChartRenderOptions &)
{
    QFont font = item.font;
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QPen(item.colour, 1, Qt::SolidLine));
    const double width = item.size.width();
    const double height = item.size.height();
    const int flags = item.alignment | Qt::TextWordWrap;
    // Person data sits a unit in from the sides; captions and free texts
    // two units in from every edge.
    const QRectF valueRect(1, 0, width - 2, height);
    const QRectF textRect(2, 2, width - 3, height - 3);

    if (fieldKindWithCode(item.code))
        painter.drawText(valueRect, flags, fieldText(item.code, data));
    else if (item.fieldFlag)
        painter.drawText(textRect, flags, item.text);
    if (item.freeTextFlag)
        painter.drawText(textRect, flags, item.text);
}
