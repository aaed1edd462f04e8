#pragma once

// Fixture data files for the text store and report tests (and the report
// benchmark), enciphered with our own encoder so every test states its data
// in plain lines.

#include "texts/textcipher.h"

#include <QByteArrayList>
#include <QFile>
#include <QStringList>

// The enciphered form of plain lines, one per line.
inline QByteArrayList encipheredLines(const QStringList &plain)
{
    QByteArrayList lines;
    for (const QString &line : plain)
        lines.append(encipherLine(line.toLatin1()));
    return lines;
}

// Writes lines exactly as given (already enciphered), each followed by lineEnd.
inline bool writeRawDataFile(const QString &path, const QByteArrayList &lines,
                             const QByteArray &lineEnd = "\n")
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : lines)
        file.write(line + lineEnd);
    return true;
}

inline bool writeDataFile(const QString &path, const QStringList &plain)
{
    return writeRawDataFile(path, encipheredLines(plain));
}

// A header line "#CCCNN".
inline QString header(int topic, int number)
{
    return QStringLiteral("#%1%2").arg(topic, 3, 10, QLatin1Char('0')).arg(number, 2, 10, QLatin1Char('0'));
}

// The marker paragraph text of an entry: "[T101.7]". Reports built from a
// marker file show which entry each paragraph came from.
inline QString marker(int topic, int number)
{
    return QStringLiteral("[T%1.%2]").arg(topic).arg(number);
}

// An entry for every topic and number the numerology report reads: topics
// 101..131 with numbers 0..99 and the general note 900/0. Each entry is its
// marker, followed by fillerWords words of filler in each of `paragraphs`
// paragraphs (0 words: the marker alone, in one paragraph).
inline QStringList reportSource(int paragraphs = 1, int fillerWords = 0,
                                const QList<int> &skipTopics = QList<int>())
{
    static const char *const WORDS[] = {"steady", "river", "lantern", "garden", "compass",
                                        "harbour", "morning", "patient", "bridge", "quiet"};
    QString filler;
    for (int w = 0; w < fillerWords; ++w)
        filler += QLatin1Char(' ') + QLatin1String(WORDS[w % 10]);

    QStringList lines;
    const auto entry = [&](int topic, int number) {
        lines.append(header(topic, number));
        for (int p = 0; p < paragraphs; ++p)
            lines.append(marker(topic, number) + filler);
    };
    for (int topic = 101; topic <= 131; ++topic) {
        if (skipTopics.contains(topic))
            continue;
        for (int number = 0; number <= 99; ++number)
            entry(topic, number);
    }
    entry(900, 0);
    return lines;
}
