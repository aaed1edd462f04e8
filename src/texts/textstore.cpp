#include "textstore.h"

#include "document/creporttools.h"
#include "textcipher.h"

#include <QCoreApplication>
#include <QFile>

#include <limits>

namespace {

const int TOPIC_SLOTS = 58;
const int CELEBRITY_CHAPTERS = 3;   // 602, 603, 604
const int COMPOUND_TOPIC = 122;

// The slot of a plain text topic in the topic table, or -1 for a code that
// is not a plain text topic.
//   101..131  numerology report (31 topics)   -> 0..30
//   201..217  psychomatrix chapters            -> 31..47
//   301, 302  pet number, pet day forecast     -> 48, 49
//   401..406  compatibility                    -> 50..55
//   501       name advisor                     -> 56
//   900       general notes (16 entries only)  -> 57
int topicSlot(int code)
{
    if (code >= 101 && code <= 131)
        return code - 101;
    if (code >= 201 && code <= 217)
        return 31 + code - 201;
    if (code == 301 || code == 302)
        return 48 + code - 301;
    if (code >= 401 && code <= 406)
        return 50 + code - 401;
    if (code == 501)
        return 56;
    if (code == 900)
        return 57;
    return -1;
}

int entriesOf(int code)
{
    return code == 900 ? TextStore::NOTE_ENTRIES : TextStore::TOPIC_ENTRIES;
}

// An int field of a celebrity record: the decimal value, -1 for 0 or a
// line that is not a number.
int celebrityNumber(const QString &line)
{
    bool ok = false;
    const int value = line.toInt(&ok);
    return ok && value != 0 ? value : -1;
}

} // namespace

TextStore::TextStore()
{
    clear();
}

TextStore &TextStore::instance()
{
    static TextStore store;
    return store;
}

void TextStore::clear()
{
    m_topics = QVector<QString>(TOPIC_SLOTS * TOPIC_ENTRIES);
    m_celebrityTexts = QVector<QString>(CELEBRITY_CHAPTERS * CELEBRITY_ENTRIES);
    m_celebrities = QVector<CelebrityRecord>(CELEBRITY_ENTRIES);
    m_guide = QVector<QString>(GUIDE_ENTRIES);
    m_code = 0;
    m_number = 0;
}

void TextStore::load()
{
    if (!QCoreApplication::instance()) {
        clear();
        return;
    }
    loadFile(QCoreApplication::applicationDirPath() + QLatin1String("/eng.dat"));
}

bool TextStore::loadFile(const QString &path)
{
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    // Topic 122 starts with a single blank in entries 0 and 10..99; readers
    // of the name advisor treat that blank like an empty entry.
    *topicEntry(COMPOUND_TOPIC, 0) = QStringLiteral(" ");
    for (int n = 10; n <= 99; ++n)
        *topicEntry(COMPOUND_TOPIC, n) = QStringLiteral(" ");

    const QByteArray bytes = file.readAll();
    int start = 0;
    while (start < bytes.size()) {
        // One line without its "\n" or "\r\n".
        int end = bytes.indexOf('\n', start);
        const bool terminated = end >= 0;
        if (!terminated)
            end = bytes.size();
        int length = end - start;
        if (terminated && length > 0 && bytes.at(end - 1) == '\r')
            --length;
        // Lines longer than the format allows are dropped whole.
        if (length <= MAX_LINE_LENGTH) {
            QString line = QString::fromLatin1(bytes.constData() + start, length);
            decipherLine(line);
            addLine(line);
        }
        start = end + 1;
    }
    return true;
}

void TextStore::addLine(const QString &line)
{
    if (line.startsWith(QLatin1Char('#')) && line.size() >= 6) {
        m_code = line.midRef(1, 3).toInt();
        m_number = line.midRef(4, 2).toInt();
        if (m_number < 0 || m_number > 99)
            m_code = m_number = 0;
        return;
    }
    if (line.isEmpty())
        return;
    storeContent(line);
}

void TextStore::storeContent(const QString &line)
{
    const int code = m_code;
    const int number = m_number;
    const QString paragraph = QLatin1String("<p>") + line + QLatin1String("</p>");

    if (QString *entry = topicEntry(code, number)) {
        *entry += paragraph;
    } else if (code >= 602 && code <= 604) {
        m_celebrityTexts[(code - 602) * CELEBRITY_ENTRIES + number] += paragraph;
    } else if (code >= 612 && code <= 614) {
        m_celebrityTexts[(code - 612) * CELEBRITY_ENTRIES + number + 100] += paragraph;
    } else if (code == 601 || code == 611) {
        storeCelebrityField(m_celebrities[code == 601 ? number : number + 100], line);
    } else if (code >= 700 && code <= 703) {
        storeGuide(code, number, paragraph);
    }
    // Any other code, including 0 before the first header: ignored.
}

// The line fills the first field of the record that is still unfilled.
void TextStore::storeCelebrityField(CelebrityRecord &record, const QString &line)
{
    if (record.lifePath == 0) {
        record.lifePath = celebrityNumber(line);
    } else if (record.birthdayNumber == 0) {
        record.birthdayNumber = celebrityNumber(line);
    } else if (record.expression == 0) {
        record.expression = celebrityNumber(line);
    } else if (record.name.isEmpty()) {
        record.name = line;
    } else if (record.note.isEmpty()) {
        record.note = line;
    } else if (record.birthDate == 0) {
        // Day, month and year separated by full stops; anything that does not
        // split into exactly three parts leaves the date for the next line.
        const QVector<QStringRef> parts = line.splitRef(QLatin1Char('.'));
        if (parts.size() != 3)
            return;
        const qint64 packed = qint64(parts.at(0).toInt()) + 256 * qint64(parts.at(1).toInt())
            + 65536 * qint64(parts.at(2).toInt());
        // A date too large to pack is kept as "given but not a date".
        const bool fits = packed >= std::numeric_limits<int>::min()
            && packed <= std::numeric_limits<int>::max();
        record.birthDate = fits ? int(packed) : -1;
    }
    // All six fields filled: further lines are ignored.
}

void TextStore::storeGuide(int code, int number, const QString &paragraph)
{
    const int page = 10 * (code - 700) + number / 10;
    const int slot = number % 10;
    QString &entry = m_guide[4 * page + slot];
    switch (slot) {
    case 0:
        entry += entry.isEmpty() ? QLatin1String("<h2>") + paragraph + QLatin1String("</h2>") : paragraph;
        break;
    case 1:
        if (entry.isEmpty())
            entry = QStringLiteral("<h2>Calculating</h2>");
        entry += paragraph;
        break;
    case 2:
        if (entry.isEmpty())
            entry = QStringLiteral("<h2>Interpretation</h2>");
        entry += paragraph;
        break;
    default:
        entry += paragraph;
        break;
    }
}

QString *TextStore::topicEntry(int topic, int number)
{
    const int slot = topicSlot(topic);
    if (slot < 0 || number < 0 || number >= entriesOf(topic))
        return nullptr;
    return &m_topics[slot * TOPIC_ENTRIES + number];
}

const QString *TextStore::topicEntry(int topic, int number) const
{
    const int slot = topicSlot(topic);
    if (slot < 0 || number < 0 || number >= entriesOf(topic))
        return nullptr;
    return &m_topics.at(slot * TOPIC_ENTRIES + number);
}

QString TextStore::text(int topic, int number) const
{
    const QString *entry = topicEntry(topic, number);
    return entry ? *entry : QString();
}

QString TextStore::celebrityText(int chapter, int index) const
{
    if (chapter < 602 || chapter > 604 || index < 0 || index >= CELEBRITY_ENTRIES)
        return QString();
    return m_celebrityTexts.at((chapter - 602) * CELEBRITY_ENTRIES + index);
}

CelebrityRecord TextStore::celebrity(int index) const
{
    if (index < 0 || index >= CELEBRITY_ENTRIES)
        return CelebrityRecord();
    return m_celebrities.at(index);
}

QString TextStore::guideSlot(int page, int slot) const
{
    const int index = 4 * page + slot;
    if (page < 0 || slot < 0 || index >= GUIDE_ENTRIES)
        return QString();
    return m_guide.at(index);
}

QString TextStore::guidePage(int page, const QString &imagePath) const
{
    CReportTools doc;
    doc.beginDocument(QString());
    doc.openBlock(true);
    if (!imagePath.isEmpty())
        doc.setImageFile(imagePath);  // the folder is empty: "file:///" + path
    doc.addParagraph(guideSlot(page, 0));
    doc.closeBlock();

    // Pages 19 to 34 share the "Calculating" part of page 18.
    doc.openBlock(true);
    doc.addParagraph(guideSlot(page >= 19 && page <= 34 ? 18 : page, 1));
    doc.closeBlock();

    doc.openBlock(true);
    doc.addParagraph(guideSlot(page, 2));
    doc.closeBlock();
    doc.endDocument();
    return doc.document();
}
