// The psychomatrix report: a title block with the summary of every value,
// then one chapter per value with its introduction and meaning.

#include "document/reporthtml.h"
#include "document/reportsections.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/numbertext.h"
#include "engine/readingtext.h"
#include "texts/textstore.h"

#include <QStringList>

#include <algorithm>

using reporthtml::BR;

void CNumerologyPMatrix::BuildReport(const QString &name, const QDate &birthDate, const TextStore &texts)
{
    beginDocument(QStringLiteral("Sorvel Numerology Report"));

    ReportSections out(*this);

    // Title block: the person and the summary of every value.
    out.section(QString(),
                {QStringLiteral("Numerology Psychomatrix Chart for"), NameAndDate(name, birthDate)},
                {summaryText()});

    // One chapter per value: entry 0 of its topic introduces it, entry
    // value + 1 (at most 7) interprets it.
    for (const PsychomatrixChapter &chapter : PSYCHOMATRIX_CHAPTERS) {
        const int v = value(chapter.valueIndex);
        const QString introduction = texts.text(chapter.topic, 0);
        const QString meaning = texts.text(chapter.topic, std::min(v + 1, 7));
        const QString picture = QLatin1String(chapter.picture);
        const QString heading = QLatin1String(chapter.label) + numberText(v);
        switch (chapter.form) {
        case 'A': // introduction and meaning in blocks of their own
            out.section(picture, heading, {introduction});
            break;
        case 'B': { // each line of the introduction in a block of its own
            const QStringList parts = introduction.split(BR);
            out.section(picture, heading, {parts.first()});
            for (int i = 1; i < parts.size(); ++i)
                out.block({parts.at(i)});
            break;
        }
        default: // 'C': introduction and meaning in one paragraph
            out.section(picture, heading, {introduction + BR + BR + meaning});
            continue;
        }
        out.block({meaning});
    }
    endDocument();
}
