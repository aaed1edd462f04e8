#pragma once

// A small interpretation data file for the readings' report tests: plain
// lines, enciphered with our own encoder into a temporary eng.dat and loaded
// into a text store that the test gives the reading (setTextStore).

#include "texts/textcipher.h"
#include "texts/textstore.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// A header line "#CCCNN".
inline QString textHeader(int topic, int number)
{
    return QStringLiteral("#%1%2").arg(topic, 3, 10, QLatin1Char('0')).arg(number, 2, 10, QLatin1Char('0'));
}

// The store entry of one content line.
inline QString paragraph(const QString &line)
{
    return QLatin1String("<p>") + line + QLatin1String("</p>");
}

// Writes the plain lines, enciphered, to eng.dat in dir and loads it into
// texts. False when the file cannot be written or read.
inline bool loadReadingTexts(const QTemporaryDir &dir, const QStringList &plain, TextStore &texts)
{
    const QString path = dir.filePath(QStringLiteral("eng.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : plain)
        file.write(encipherLine(line.toLatin1()) + "\r\n");
    file.close();
    return texts.loadFile(path);
}

// Entries numbers of topic, each one line "[T<topic>.<number>]".
inline QStringList markerEntries(int topic, const QList<int> &numbers)
{
    QStringList lines;
    for (const int n : numbers)
        lines << textHeader(topic, n) << QStringLiteral("[T%1.%2]").arg(topic).arg(n);
    return lines;
}

// The entry markerEntries stores for topic and number.
inline QString markerText(int topic, int number)
{
    return paragraph(QStringLiteral("[T%1.%2]").arg(topic).arg(number));
}

// The markup the report operations write, as the report tests expect it.
const QString EXPECTED_BLOCK_OPEN = QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n");
const QString EXPECTED_BLOCK_CLOSE = QStringLiteral("</td></tr></table>\r\n");

// A section heading, with the picture of the image folder "/img/doc/" if any.
inline QString expectedHeading(const QString &text, const QString &picture = QString())
{
    const QString image = picture.isEmpty()
        ? QString()
        : QLatin1String("<img src=\"file:///img/doc/") + picture
            + QLatin1String("\" style=\"margin-left: 15px;\" align=\"right\" />");
    return QLatin1String("<h2>") + image + QLatin1String("<font style=\" color:#000000;\">") + text
        + QLatin1String("</font></h2>\r\n");
}

// A body paragraph; an empty text writes nothing.
inline QString expectedParagraph(const QString &text)
{
    if (text.isEmpty())
        return QString();
    QString marked = text;
    marked.replace(QLatin1String("<p"), QLatin1String("<p comment=\"st_fs\"   "));
    return QLatin1String("<p comment=\"st_fs\"   >") + marked + QLatin1String("</p>\r\n");
}
