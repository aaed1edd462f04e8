#include "csvreader.h"

namespace {

const QChar QUOTE = QLatin1Char('"');
const QChar COMMA = QLatin1Char(',');
const QChar LF = QLatin1Char('\n');
const QChar CR = QLatin1Char('\r');
const QChar BYTE_ORDER_MARK = QChar(0xFEFF);

} // namespace

CsvReader::CsvReader(const QString &text)
    : m_text(text)
{
    if (m_text.startsWith(BYTE_ORDER_MARK))
        m_pos = 1;
}

bool CsvReader::atRecordEnd() const
{
    if (m_pos >= m_text.size())
        return true;
    const QChar c = m_text.at(m_pos);
    return c == LF || (c == CR && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == LF) ||
           (c == CR && m_pos + 1 == m_text.size());
}

void CsvReader::skipRecordEnd()
{
    if (m_pos < m_text.size() && m_text.at(m_pos) == CR)
        ++m_pos;
    if (m_pos < m_text.size() && m_text.at(m_pos) == LF)
        ++m_pos;
    ++m_line;
}

// From the opening quote to the closing one; the comma or line end that
// follows is left for the caller.
bool CsvReader::readQuotedField(QString &field, QString &error)
{
    const int startLine = m_line;
    ++m_pos; // the opening quote
    for (;;) {
        const int quote = m_text.indexOf(QUOTE, m_pos);
        if (quote < 0) {
            field += m_text.midRef(m_pos);
            m_line += m_text.midRef(m_pos).count(LF);
            m_pos = m_text.size();
            error = QStringLiteral("the quoted field opened on line %1 is never closed").arg(startLine);
            return false;
        }
        const QStringRef part = m_text.midRef(m_pos, quote - m_pos);
        field += part;
        m_line += part.count(LF);
        m_pos = quote + 1;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QUOTE) {
            field += QUOTE; // a doubled quote stands for one
            ++m_pos;
            continue;
        }
        break;
    }
    if (m_pos < m_text.size() && m_text.at(m_pos) != COMMA && !atRecordEnd()) {
        error = QStringLiteral("text follows a closing quote");
        // The rest of the field is kept as it stands, so the record still
        // has its columns where they belong.
        readPlainField(field);
        return false;
    }
    return true;
}

void CsvReader::readPlainField(QString &field)
{
    const int start = m_pos;
    while (m_pos < m_text.size() && m_text.at(m_pos) != COMMA && !atRecordEnd())
        ++m_pos;
    field += m_text.midRef(start, m_pos - start);
}

bool CsvReader::next(CsvRecord &record)
{
    if (m_pos >= m_text.size())
        return false;
    record = CsvRecord();
    record.line = m_line;
    for (;;) {
        QString field;
        QString error;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QUOTE)
            readQuotedField(field, error);
        else
            readPlainField(field);
        record.fields.append(field);
        if (record.error.isEmpty())
            record.error = error;
        if (m_pos < m_text.size() && m_text.at(m_pos) == COMMA) {
            ++m_pos;
            continue;
        }
        break;
    }
    if (m_pos < m_text.size())
        skipRecordEnd();
    return true;
}
