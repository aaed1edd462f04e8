// Celebrity cards for the celebrity list, doc2/000.jpg ... 199.jpg (100 x 120).
// We ship no likeness of anybody: each card is a medallion with the person's
// initials, coloured by their Life Path, with the number on a badge below.
// A card without a person (past the end of the list, or drawn without the
// list) shows a plain star in the medallion.

#include "paintkit.h"
#include "pictures.h"

#include <QFile>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QtMath>

namespace imagegen {

namespace {

const int CARD_COUNT = 200;
const int CARD_WIDTH = 100, CARD_HEIGHT = 120;

// The hue of a Life Path (degrees, saturation, value of the medallion's
// core): one per number, so cards that share a number look alike.
struct Tone
{
    int hue;
    qreal saturation;
    qreal value;
};

Tone lifePathTone(int number)
{
    switch (number) {
    case 1:
        return {354, 0.62, 0.56}; // crimson
    case 2:
        return {24, 0.66, 0.62}; // amber
    case 3:
        return {43, 0.70, 0.62}; // gold
    case 4:
        return {98, 0.48, 0.44}; // moss
    case 5:
        return {178, 0.58, 0.44}; // teal
    case 6:
        return {212, 0.58, 0.52}; // blue
    case 7:
        return {244, 0.42, 0.50}; // indigo
    case 8:
        return {282, 0.40, 0.46}; // violet
    case 9:
        return {326, 0.46, 0.52}; // plum
    case 11:
        return {200, 0.18, 0.52}; // silver
    case 22:
        return {30, 0.46, 0.44}; // bronze
    case 33:
        return {160, 0.40, 0.36}; // jade
    default:
        return {30, 0.14, 0.46}; // no person: warm grey
    }
}

QColor toneColour(const Tone &tone, qreal saturationScale, qreal value)
{
    return QColor::fromHsvF(tone.hue / 360.0, qBound(0.0, tone.saturation * saturationScale, 1.0),
                            qBound(0.0, value, 1.0));
}

// "Albert Einstein" gives "AE", "Vincent van Gogh" "VG", "J. R. R. Tolkien"
// "JT": the first letters of the first and the last capitalised word.
QString initialsOf(const QString &name)
{
    QStringList words;
    for (const QString &word : name.split(QRegularExpression(QStringLiteral("[\\s.]+")), Qt::SkipEmptyParts))
        if (word.at(0).isUpper())
            words.append(word);
    if (words.isEmpty())
        return QString();
    QString initials = words.first().left(1);
    if (words.size() > 1)
        initials += words.last().left(1);
    return initials;
}

// A five-pointed star of the given outer radius.
QPainterPath star(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.42;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(r * qCos(angle), r * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QImage card(const CelebrityCard &person)
{
    const bool known = !person.name.isEmpty() && person.lifePath > 0;
    const Tone tone = lifePathTone(known ? person.lifePath : 0);
    const QColor paper(0xf7f1e6), paperShade(0xe9dfcd);
    const QColor ink(0xfbf4e4);

    QImage image = canvas(CARD_WIDTH, CARD_HEIGHT, paper);
    QPainter p(&image);
    prepare(p);
    QLinearGradient ground(0, 0, 0, CARD_HEIGHT);
    ground.setColorAt(0.0, paper);
    ground.setColorAt(1.0, paperShade);
    p.fillRect(image.rect(), ground);

    // The medallion: a metal rim in the number's colour around a deep disc.
    const QPointF centre(50, 50);
    const qreal rim = 40, face = 34;
    QPainterPath medallion;
    medallion.addEllipse(centre, rim, rim);
    softShadow(p, image.size(), medallion, QPointF(0, 2), 4, withAlpha(toneColour(tone, 1.2, 0.25), 0.45));
    QLinearGradient metal(centre.x() - rim, centre.y() - rim, centre.x() + rim, centre.y() + rim);
    metal.setColorAt(0.0, toneColour(tone, 0.45, 0.96));
    metal.setColorAt(0.5, toneColour(tone, 0.9, tone.value + 0.12));
    metal.setColorAt(1.0, toneColour(tone, 1.1, tone.value - 0.18));
    p.fillPath(medallion, metal);
    QPainterPath disc;
    disc.addEllipse(centre, face, face);
    QRadialGradient depth(centre - QPointF(10, 12), face * 1.5);
    depth.setColorAt(0.0, toneColour(tone, 1.0, tone.value + 0.08));
    depth.setColorAt(1.0, toneColour(tone, 1.15, tone.value - 0.24));
    p.fillPath(disc, depth);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(ink, 0.55), 0.9));
    p.drawEllipse(centre, face - 3.5, face - 3.5);
    p.setPen(QPen(withAlpha(toneColour(tone, 1.2, 0.22), 0.5), 1.0));
    p.drawEllipse(centre, rim - 0.5, rim - 0.5);

    if (!known) {
        p.fillPath(star(centre, 15), withAlpha(ink, 0.9));
        p.end();
        return image;
    }

    // The initials keep clear of the inner ring: wide pairs ("WW") get smaller.
    const QString initials = initialsOf(person.name);
    QPainterPath letters;
    for (qreal size = initials.size() > 1 ? 30 : 36; size >= 18; size -= 1) {
        letters = centredText(initials, serifFont(size, QFont::Bold), centre - QPointF(0, 2));
        if (letters.boundingRect().width() <= 48)
            break;
    }
    softShadow(p, image.size(), letters, QPointF(0, 1.2), 1, withAlpha(toneColour(tone, 1.2, 0.15), 0.7));
    p.fillPath(letters, ink);

    // The badge with the Life Path, over the medallion's lower edge.
    const QPointF badgeCentre(50, 88);
    const qreal badgeRadius = 12;
    QPainterPath badge;
    badge.addEllipse(badgeCentre, badgeRadius, badgeRadius);
    softShadow(p, image.size(), badge, QPointF(0, 1), 2, withAlpha(Qt::black, 0.3));
    p.fillPath(badge, paper);
    p.setPen(QPen(toneColour(tone, 1.0, tone.value), 1.6));
    p.drawEllipse(badgeCentre, badgeRadius - 0.8, badgeRadius - 0.8);
    const QString number = QString::number(person.lifePath);
    p.fillPath(centredText(number, sansFont(number.size() > 1 ? 11 : 13, QFont::Bold), badgeCentre),
               toneColour(tone, 1.2, tone.value - 0.12));

    // What the number is, in small spaced capitals.
    const QPainterPath caption = spacedText(QStringLiteral("LIFE PATH"), sansFont(8, QFont::Bold), 1.2);
    p.fillPath(centredOn(caption, QPointF(50, 110.5)), toneColour(tone, 0.8, 0.38));
    p.end();
    return image;
}

} // namespace

bool readCelebrityCards(const QString &path, QVector<CelebrityCard> *cards, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + QLatin1String(": cannot read: ") + file.errorString();
        return false;
    }
    // Records are "#601NN" (index NN) or "#611NN" (index 100 + NN), followed
    // by the Life Path, the birthday number, the Expression and the name.
    static const QRegularExpression header(QStringLiteral("^#6(0|1)1(\\d\\d)$"));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    cards->clear();
    for (int i = 0; i + 4 < lines.size(); ++i) {
        const QRegularExpressionMatch match = header.match(lines.at(i).trimmed());
        if (!match.hasMatch())
            continue;
        const int index = match.captured(1).toInt() * 100 + match.captured(2).toInt();
        bool ok = false;
        const int lifePath = lines.at(i + 1).trimmed().toInt(&ok);
        if (!ok || lifePath <= 0) {
            *error = QStringLiteral("%1:%2: no Life Path under the record").arg(path).arg(i + 2);
            return false;
        }
        if (cards->size() <= index)
            cards->resize(index + 1);
        (*cards)[index] = {lines.at(i + 4).trimmed(), lifePath};
    }
    return true;
}

void addCelebrityCards(PictureList &out, const QVector<CelebrityCard> &people)
{
    for (int i = 0; i < CARD_COUNT; ++i)
        out.append({QStringLiteral("doc2/%1.jpg").arg(i, 3, 10, QLatin1Char('0')),
                    card(i < people.size() ? people.at(i) : CelebrityCard())});
}

} // namespace imagegen
