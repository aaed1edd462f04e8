#pragma once

// Texts a chart's QR element typically carries, from a few characters to
// version 40. test_qrdecode proves each decodes; bench_barcodes times them.

#include <QByteArray>
#include <QString>
#include <QVector>

struct QrSample
{
    const char *name;
    QByteArray text; // UTF-8
};

inline QVector<QrSample> qrSamples()
{
    QByteArray paragraph;
    while (paragraph.size() < 480)
        paragraph += "Life Path 5/23: curious, restless, drawn to change. Expression 8, Heart's Desire 11. ";
    paragraph.truncate(480);
    QByteArray digits;
    for (int i = 0; i < 7000; ++i)
        digits += char('0' + (i * 7 + i / 9) % 10);
    QByteArray bytes;
    while (bytes.size() < 2900)
        bytes += "reading=" + QByteArray::number(bytes.size() * 31 % 9973) + "&lang=en;";
    bytes.truncate(2900);
    return {
        {"hello-world", "HELLO WORLD"},
        {"client-number", "00012345678901234567"},
        {"link", "https://sorvel.example/reading?client=104729&chart=7"},
        {"name-and-date",
         QString::fromUtf8("Zo\u00eb M\u00fcller-Fran\u00e7ois, 17 May 1990, Life Path 5").toUtf8()},
        {"cjk", QString::fromUtf8("\u6570\u79d8\u672f\u7684\u751f\u547d\u4e4b\u8def\uff1a\u4e94\u3002"
                                  "\u597d\u5947\u3001\u4e0d\u5b89\u3001\u559c\u6b22\u53d8\u5316\u3002")
                    .toUtf8()},
        {"paragraph", paragraph},
        {"v40-bytes", bytes},
        {"v40-digits", digits},
    };
}
