#include "textstore.h"

#include "boundedfile.h"
#include "document/creporttools.h"
#include "document/programfolder.h"
#include "requiredtexts.h"
#include "textcipher.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <cstring>
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

bool isKnownTopic(int code)
{
    return topicSlot(code) >= 0 || (code >= 601 && code <= 604) || (code >= 611 && code <= 614) ||
           (code >= 700 && code <= 703);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Latin-1 text: printable characters and the tab; no other control
// character of either control block, no DEL.
int firstControlCharacter(const QByteArray &line)
{
    // One pass without branches over the table tells whether a line is
    // clean, as nearly every line is; only a damaged one is searched.
    static const auto CONTROL = [] {
        std::array<unsigned char, 256> table{};
        for (int c = 0; c < 256; ++c)
            table[size_t(c)] = (c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0);
        return table;
    }();
    const auto *bytes = reinterpret_cast<const unsigned char *>(line.constData());
    unsigned found = 0;
    for (int i = 0; i < line.size(); ++i)
        found |= CONTROL[bytes[i]];
    if (!found)
        return -1;
    for (int i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line.at(i));
        if ((c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0))
            return i;
    }
    return -1;
}

// The lines of a data file's bytes, each deciphered and checked: cipher
// letters in pairs (a single character stands for itself) that decipher to
// text. Empty lines and lines over the longest the format supports are
// passed over.
class DataFileLines
{
public:
    explicit DataFileLines(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    // Moves to the next line; false at the end or at a damaged line, whose
    // reason problem() then gives.
    bool next()
    {
        while (m_start < m_bytes.size()) {
            const char *data = m_bytes.constData() + m_start;
            const auto *newline =
                static_cast<const char *>(std::memchr(data, '\n', size_t(m_bytes.size() - m_start)));
            const bool terminated = newline != nullptr;
            const int end = terminated ? int(newline - m_bytes.constData()) : m_bytes.size();
            int length = end - m_start;
            if (terminated && length > 0 && data[length - 1] == '\r')
                --length;
            m_start = end + 1;
            ++m_lineNumber;
            if (length == 0 || length > TextStore::MAX_LINE_LENGTH)
                continue;
            return decipher(data, length);
        }
        return false;
    }

    const QByteArray &plain() const { return m_plain; }
    int lineNumber() const { return m_lineNumber; }
    const QString &problem() const { return m_problem; }

private:
    bool decipher(const char *data, int length)
    {
        if (length == 1) {
            m_plain = QByteArray(data, 1); // too short to decipher: stored as it is
        } else if (length % 2 != 0 || !decipherCheckedBytes(data, length, m_plain)) {
            // A foreign character is the first fault to name, then the length.
            if (const int foreign = firstForeignCharacter(data, length); foreign >= 0)
                m_problem =
                    where() + QStringLiteral(" is not enciphered: character %1 is not one the cipher writes")
                                  .arg(foreign + 1);
            else
                m_problem = where() + QLatin1String(" is cut short: an odd number of characters");
            return false;
        }
        if (const int control = firstControlCharacter(m_plain); control >= 0) {
            m_problem = where() + QStringLiteral(" does not decipher to text (control character 0x%1)")
                                      .arg(uchar(m_plain.at(control)), 2, 16, QLatin1Char('0'));
            return false;
        }
        return true;
    }

    QString where() const { return QStringLiteral("line %1").arg(m_lineNumber); }

    const QByteArray &m_bytes;
    int m_start = 0;
    int m_lineNumber = 0;
    QByteArray m_plain;
    QString m_problem;
};

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
    m_topics = QVector<QByteArray>(TOPIC_SLOTS * TOPIC_ENTRIES);
    m_celebrityTexts = QVector<QByteArray>(CELEBRITY_CHAPTERS * CELEBRITY_ENTRIES);
    m_celebrities = QVector<CelebrityRecord>(CELEBRITY_ENTRIES);
    m_guide = QVector<QByteArray>(GUIDE_ENTRIES);
    m_code = 0;
    m_number = 0;
    m_knownTopic = false;
}

TextLoadResult TextStore::load()
{
    const QString folder = programDataFolder();
    if (folder.isEmpty()) {
        clear();
        TextLoadResult result;
        result.reason = QStringLiteral("no application folder");
        return result;
    }
    return loadFrom(folder + QLatin1String("eng.dat"), Extent::Complete);
}

bool TextStore::loadFile(const QString &path, QString *reason)
{
    const TextLoadResult result = loadFrom(path);
    if (reason)
        *reason = result.reason;
    return result.loaded();
}

TextLoadResult TextStore::loadFrom(const QString &path, Extent extent)
{
    const BoundedFile file = readBoundedFile(path, MAX_FILE_BYTES);
    if (file.status != BoundedFile::Read) {
        clear();
        TextLoadResult result;
        const bool missing = file.status == BoundedFile::Missing;
        result.status = missing ? TextLoadResult::Missing : TextLoadResult::Refused;
        result.reason = file.reason;
        return result;
    }
    return loadBytes(file.bytes, extent);
}

TextLoadResult TextStore::loadBytes(const QByteArray &bytes, Extent extent)
{
    clear();
    TextLoadResult result;

    // Topic 122 starts with a single blank in entries 0 and 10..99; readers
    // of the name advisor treat that blank like an empty entry.
    *topicEntry(COMPOUND_TOPIC, 0) = QByteArrayLiteral(" ");
    for (int n = 10; n <= 99; ++n)
        *topicEntry(COMPOUND_TOPIC, n) = QByteArrayLiteral(" ");

    if (!readLines(bytes, result.reason)) {
        clear(); // nothing of a damaged file is shown
        result.status = TextLoadResult::Refused;
        return result;
    }
    if (extent == Extent::Complete) {
        // Every line may be sound and still half the file gone: a file cut
        // short, or built from part of the sources.
        const QStringList missing = missingRequiredTexts(*this);
        if (!missing.isEmpty()) {
            const int shown = 6;
            QString list = QStringList(missing.mid(0, shown)).join(QLatin1String("; "));
            if (missing.size() > shown)
                list += QStringLiteral("; and %1 more").arg(missing.size() - shown);
            clear();
            result.status = TextLoadResult::Refused;
            result.reason = QLatin1String("texts the readings print are missing (a file cut short?): ") + list;
            return result;
        }
    }
    result.status = TextLoadResult::Loaded;
    return result;
}

bool TextStore::readLines(const QByteArray &bytes, QString &reason)
{
    if (bytes.isEmpty()) {
        reason = QStringLiteral("the file is empty");
        return false;
    }
    DataFileLines lines(bytes);
    while (lines.next()) {
        if (!addLine(lines.plain(), reason)) {
            reason = QStringLiteral("line %1 %2").arg(lines.lineNumber()).arg(reason);
            return false;
        }
    }
    if (!lines.problem().isEmpty()) {
        reason = lines.problem();
        return false;
    }
    if (!m_knownTopic) {
        reason = QStringLiteral("no header of a known topic: not an interpretation data file");
        return false;
    }
    return true;
}

bool TextStore::addLine(const QByteArray &line, QString &reason)
{
    if (line.startsWith('#') && line.size() >= 6) {
        // A "#" line with a code that is not a number is damage, not a
        // header a newer file could mean: refused rather than read as 0.
        if (!isDigit(line.at(1)) || !isDigit(line.at(2)) || !isDigit(line.at(3))) {
            reason = QLatin1String("is a header without a topic code: ") + QString::fromLatin1(line.left(6));
            return false;
        }
        m_code = 100 * (line.at(1) - '0') + 10 * (line.at(2) - '0') + (line.at(3) - '0');
        m_knownTopic = m_knownTopic || isKnownTopic(m_code);
        m_number = QString::fromLatin1(line.constData() + 4, 2).toInt(); // a non-number reads as 0
        if (m_number < 0 || m_number > 99)
            m_code = m_number = 0;
        return true;
    }
    storeContent(line);
    return true;
}

void TextStore::storeContent(const QByteArray &line)
{
    const int code = m_code;
    const int number = m_number;
    // Appended piece by piece: a file of millions of short lines builds no
    // paragraph of its own per line.
    const auto appendParagraph = [&line](QByteArray &entry) {
        entry.append("<p>", 3).append(line).append("</p>", 4);
    };

    if (QByteArray *entry = topicEntry(code, number)) {
        appendParagraph(*entry);
    } else if (code >= 602 && code <= 604) {
        appendParagraph(m_celebrityTexts[(code - 602) * CELEBRITY_ENTRIES + number]);
    } else if (code >= 612 && code <= 614) {
        appendParagraph(m_celebrityTexts[(code - 612) * CELEBRITY_ENTRIES + number + 100]);
    } else if (code == 601 || code == 611) {
        storeCelebrityField(m_celebrities[code == 601 ? number : number + 100], QString::fromLatin1(line));
    } else if (code >= 700 && code <= 703) {
        storeGuide(code, number, QByteArrayLiteral("<p>") + line + QByteArrayLiteral("</p>"));
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

void TextStore::storeGuide(int code, int number, const QByteArray &paragraph)
{
    const int page = 10 * (code - 700) + number / 10;
    const int slot = number % 10;
    QByteArray &entry = m_guide[4 * page + slot];
    switch (slot) {
    case 0:
        if (entry.isEmpty())
            entry = QByteArrayLiteral("<h2>") + paragraph + QByteArrayLiteral("</h2>");
        else
            entry += paragraph;
        break;
    case 1:
        if (entry.isEmpty())
            entry = QByteArrayLiteral("<h2>Calculating</h2>");
        entry += paragraph;
        break;
    case 2:
        if (entry.isEmpty())
            entry = QByteArrayLiteral("<h2>Interpretation</h2>");
        entry += paragraph;
        break;
    default:
        entry += paragraph;
        break;
    }
}

QByteArray *TextStore::topicEntry(int topic, int number)
{
    const int slot = topicSlot(topic);
    if (slot < 0 || number < 0 || number >= entriesOf(topic))
        return nullptr;
    return &m_topics[slot * TOPIC_ENTRIES + number];
}

const QByteArray *TextStore::topicEntry(int topic, int number) const
{
    const int slot = topicSlot(topic);
    if (slot < 0 || number < 0 || number >= entriesOf(topic))
        return nullptr;
    return &m_topics.at(slot * TOPIC_ENTRIES + number);
}

QString TextStore::text(int topic, int number) const
{
    const QByteArray *entry = topicEntry(topic, number);
    return entry ? QString::fromLatin1(*entry) : QString();
}

QString TextStore::celebrityText(int chapter, int index) const
{
    if (chapter < 602 || chapter > 604 || index < 0 || index >= CELEBRITY_ENTRIES)
        return QString();
    return QString::fromLatin1(m_celebrityTexts.at((chapter - 602) * CELEBRITY_ENTRIES + index));
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
    return QString::fromLatin1(m_guide.at(index));
}

QString TextStore::guideTitle(int page) const
{
    static const QString OPEN = QStringLiteral("<h2>");
    static const QString CLOSE = QStringLiteral("</h2>");
    const QString slot = guideSlot(page, 0);
    if (!slot.startsWith(OPEN))
        return QString();
    const int end = slot.indexOf(CLOSE);
    QString title = slot.mid(OPEN.size(), end < 0 ? -1 : end - OPEN.size());
    static const QRegularExpression TAG(QStringLiteral("<[^>]*>"));
    return title.remove(TAG).simplified();
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
