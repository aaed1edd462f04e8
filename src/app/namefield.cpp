#include "namefield.h"

#include "app/notice.h"
#include "engine/namecleaning.h"

#include <QLineEdit>

QString cutAtWord(const QString &text, int max)
{
    if (text.size() <= max)
        return text;
    QString kept = text.left(max);
    // The first character left out continues a word: give that word up too.
    if (!text.at(max).isSpace()) {
        const int lastSpace = kept.lastIndexOf(QLatin1Char(' '));
        if (lastSpace > 0)
            kept.truncate(lastSpace);
    }
    // A cut never leaves a space at the end of the name.
    while (kept.endsWith(QLatin1Char(' ')) && kept.size() > 1)
        kept.chop(1);
    return kept;
}

QString nameCutNotice(int max)
{
    return QStringLiteral("A name is read up to %1 characters: the words after that were left out.").arg(max);
}

void limitNameField(QLineEdit *field, const CSkinTint *skin)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field, skin](const QString &text) {
        if (text.size() <= MAX_NAME_LENGTH)
            return;
        field->setText(cutAtWord(text, MAX_NAME_LENGTH));
        field->setCursorPosition(field->text().size());
        showNotice(field->window(), skin, nameCutNotice(MAX_NAME_LENGTH));
    });
}
