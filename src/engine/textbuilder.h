#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>

// One engine text built on the stack and written over a result string in a
// single copy. A chart writes about a hundred small texts on every
// keystroke; built this way, each costs no allocation once the result
// string has a buffer, and no append goes through QString.
class TextBuilder
{
public:
    TextBuilder &add(QChar c)
    {
        m_chars.append(c);
        return *this;
    }

    TextBuilder &add(QLatin1String text)
    {
        for (const char c : text)
            m_chars.append(QChar(QLatin1Char(c)));
        return *this;
    }

    TextBuilder &add(QStringView text)
    {
        m_chars.append(text.data(), int(text.size()));
        return *this;
    }

    // The decimal text of n.
    TextBuilder &number(int n)
    {
        QChar digits[11]; // a sign and the ten digits of a 32-bit number
        QChar *const end = digits + 11;
        QChar *p = end;
        // Unsigned arithmetic holds the magnitude of every int, the lowest too.
        unsigned rest = n < 0 ? 0u - unsigned(n) : unsigned(n);
        do {
            *--p = QChar(ushort('0' + rest % 10));
            rest /= 10;
        } while (rest != 0);
        if (n < 0)
            *--p = QLatin1Char('-');
        m_chars.append(p, int(end - p));
        return *this;
    }

    // "n", or "n/t" when the unreduced value t differs from n.
    TextBuilder &reduced(int n, int t)
    {
        number(n);
        if (n != t)
            add(QLatin1Char('/')).number(t);
        return *this;
    }

    bool isEmpty() const { return m_chars.isEmpty(); }
    void clear() { m_chars.clear(); }
    QStringView view() const { return QStringView(m_chars.constData(), m_chars.size()); }

    // Replaces target's text; target keeps its buffer when it has room.
    void writeTo(QString &target) const
    {
        target.resize(int(m_chars.size()));
        std::copy(m_chars.cbegin(), m_chars.cend(), target.data());
    }

private:
    QVarLengthArray<QChar, 128> m_chars;
};
