// Text fields (kind 6): the person-data variables the designer offers
// ("Full Name", "Short Name", "Birthdate", "Print date", "Numerologist")
// and free texts.

#include "chartdocument.h"
#include "chartelements.h"
#include "chartrenderer.h"

#include "engine/cnumerology.h"
#include "engine/readingtext.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

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

namespace {

// A smaller font gives up below this many units.
constexpr double SMALLEST_TEXT = 3.0;
constexpr int SHRINK_TRIES = 12;

// The font at factor times its size, in whichever of pixels or points it has.
QFont scaledFont(const QFont &font, double factor)
{
    QFont smaller = font;
    if (font.pixelSize() > 0)
        smaller.setPixelSize(std::max(1, int(std::floor(font.pixelSize() * factor))));
    else
        smaller.setPointSizeF(std::max(1.0, font.pointSizeF() * factor));
    return smaller;
}

} // namespace

void drawWholeText(QPainter &painter, const QRectF &rect, int flags, const QString &text)
{
    // A text larger than its box (a long name, a large font) shrinks until
    // it fits: the box is the element's, and nothing outside it is drawn.
    const QFont original = painter.font();
    if (!text.isEmpty() && rect.width() > 0 && rect.height() > 0) {
        for (int i = 0; i < SHRINK_TRIES; ++i) {
            const QRectF needed = painter.boundingRect(rect, flags, text);
            if (needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5)
                break;
            const double factor =
                std::min(rect.width() / needed.width(), rect.height() / needed.height()) * 0.97;
            const QFont smaller = scaledFont(painter.font(), std::min(factor, 0.97));
            if (QFontMetricsF(smaller, painter.device()).height() < SMALLEST_TEXT ||
                smaller == painter.font())
                break;
            painter.setFont(smaller);
        }
    }
    painter.drawText(rect, flags, text);
    painter.setFont(original);
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
        drawWholeText(painter, valueRect, flags, fieldText(item.code, data));
    else if (item.fieldFlag)
        drawWholeText(painter, textRect, flags, item.text);
    if (item.freeTextFlag)
        drawWholeText(painter, textRect, flags, item.text);
}
