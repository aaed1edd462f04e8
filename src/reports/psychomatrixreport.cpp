// The psychomatrix report: a title block with the summary of every value,
// then one chapter per value with its introduction and meaning.

#include "engine/cnumerologypmatrix.h"
#include "engine/numbertext.h"
#include "engine/readingtext.h"
#include "texts/textstore.h"

#include <QStringList>

#include <algorithm>

void CNumerologyPMatrix::BuildReport(const QString &name, const QDate &birthDate, const TextStore &texts)
{
    beginDocument(QStringLiteral("Sorvel Numerology Report"));

    // Title block: the person and the summary of every value.
    openBlock(true);
    addHeading(QStringLiteral("Numerology Psychomatrix Chart for"));
    addHeading(NameAndDate(name, birthDate));
    addParagraph(summaryText());
    addParagraph(QString());
    closeBlock();

    // One chapter per value: entry 0 of its topic introduces it, entry
    // value + 1 (at most 7) interprets it.
    for (const PsychomatrixChapter &chapter : PSYCHOMATRIX_CHAPTERS) {
        const int v = value(chapter.valueIndex);
        const QString introduction = texts.text(chapter.topic, 0);
        const QString meaning = texts.text(chapter.topic, std::min(v + 1, 7));

        openBlock(true);
        setImageFile(QLatin1String(chapter.picture));
        addHeading(QLatin1String(chapter.label) + numberText(v));
        switch (chapter.form) {
        case 'A': // introduction and meaning in blocks of their own
            addParagraph(introduction);
            closeBlock();
            break;
        case 'B': { // each line of the introduction in a block of its own
            const QStringList parts = introduction.split(QLatin1String("<br />"));
            addParagraph(parts.first());
            closeBlock();
            for (int i = 1; i < parts.size(); ++i) {
                openBlock(true);
                addParagraph(parts.at(i));
                closeBlock();
            }
            break;
        }
        default: // 'C': introduction and meaning in one paragraph
            addParagraph(introduction + QLatin1String("<br /><br />") + meaning);
            closeBlock();
            continue;
        }
        openBlock(true);
        addParagraph(meaning);
        closeBlock();
    }
    endDocument();
}
