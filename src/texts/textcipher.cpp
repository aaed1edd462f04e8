#include "textcipher.h"

#include <cstring>
#include <utility>

namespace {

// The data file's key: 26 ASCII characters.
const char KEY[] = "Xw5j-bn[[[tqe3k8pMzcrvHD42";
const int KEY_LENGTH = 26;

// The RC4 state after the key scheduling with the file key. Every line
// starts from it; scheduling once instead of per line keeps a file of many
// short lines fast to read.
struct KeyedState
{
    unsigned char s[256];

    KeyedState()
    {
        for (int k = 0; k < 256; ++k)
            s[k] = static_cast<unsigned char>(k);
        int j = 0;
        for (int k = 0; k < 256; ++k) {
            j = (j + s[k] + static_cast<unsigned char>(KEY[k % KEY_LENGTH])) & 0xFF;
            std::swap(s[k], s[j]);
        }
    }
};

// RC4 with the file key, started afresh for every line.
class KeyStream
{
public:
    KeyStream()
    {
        static const KeyedState KEYED;
        std::memcpy(m_s, KEYED.s, sizeof m_s);
    }

    unsigned char next()
    {
        m_i = (m_i + 1) & 0xFF;
        m_j = (m_j + m_s[m_i]) & 0xFF;
        std::swap(m_s[m_i], m_s[m_j]);
        return m_s[(m_s[m_i] + m_s[m_j]) & 0xFF];
    }

private:
    unsigned char m_s[256];
    int m_i = 0;
    int m_j = 0;
};

// One byte from its two letters (char 2i, char 2i + 1), before the keystream.
unsigned char joinNibbles(unsigned low, unsigned high)
{
    return static_cast<unsigned char>((high * 16 + low - 0x71) & 0xFF);
}

} // namespace

bool decipherLine(QString &line)
{
    const int n = line.size() / 2;
    if (n < 1)
        return false;
    KeyStream stream;
    QByteArray bytes(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i) {
        const unsigned low = line.at(2 * i).unicode() & 0xFF;
        const unsigned high = line.at(2 * i + 1).unicode() & 0xFF;
        bytes[i] = static_cast<char>(joinNibbles(low, high) ^ stream.next());
    }
    line = QString::fromLatin1(bytes);
    return true;
}

void decipherBytes(const char *data, int length, QByteArray &plain)
{
    const int n = length / 2;
    plain.resize(n);
    KeyStream stream;
    const auto *in = reinterpret_cast<const unsigned char *>(data);
    char *out = plain.data();
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<char>(joinNibbles(in[2 * i], in[2 * i + 1]) ^ stream.next());
}

int firstForeignCharacter(const char *data, int length)
{
    for (int i = 0; i < length; ++i) {
        const char first = (i % 2 == 0) ? 'a' : 'A';
        if (data[i] < first || data[i] > first + 15)
            return i;
    }
    return -1;
}

QByteArray encipherLine(const QByteArray &latin1)
{
    KeyStream stream;
    QByteArray out(latin1.size() * 2, Qt::Uninitialized);
    for (int i = 0; i < latin1.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(latin1.at(i)) ^ stream.next();
        out[2 * i] = static_cast<char>('a' + (byte & 0x0F));
        out[2 * i + 1] = static_cast<char>('A' + (byte >> 4));
    }
    return out;
}
