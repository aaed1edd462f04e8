#include "textcipher.h"

#include <QtGlobal>

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

// Every line starts the same keystream afresh, so its first bytes are worked
// out once and shared: a line of the data file (at most 8192 letters, 4096
// bytes) is then deciphered with one XOR a byte. Longer input runs the
// stream itself.
class KeyStreamPrefix
{
public:
    static const int LENGTH = 4096;

    KeyStreamPrefix()
    {
        KeyStream stream;
        for (unsigned char &byte : m_bytes)
            byte = stream.next();
    }

    const unsigned char *bytes() const { return m_bytes; }

private:
    unsigned char m_bytes[LENGTH];
};

const unsigned char *sharedKeyStream()
{
    static const KeyStreamPrefix PREFIX;
    return PREFIX.bytes();
}

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
    decipherCheckedBytes(data, length, plain); // the letters' check costs next to nothing
}

bool decipherCheckedBytes(const char *data, int length, QByteArray &plain)
{
    const int n = length / 2;
    plain.resize(n);
    const auto *in = reinterpret_cast<const unsigned char *>(data);
    char *out = plain.data();
    const int shared = qMin(n, int(KeyStreamPrefix::LENGTH));
    const unsigned char *key = sharedKeyStream();
    // A letter outside its sixteen makes its difference 16 or more (or wrap
    // around), which the OR keeps.
    unsigned outside = 0;
    for (int i = 0; i < shared; ++i) {
        const unsigned low = in[2 * i] - unsigned('a');
        const unsigned high = in[2 * i + 1] - unsigned('A');
        outside |= low | high;
        out[i] = static_cast<char>(((high << 4) | (low & 0x0F)) ^ key[i]);
    }
    if (shared < n) {
        KeyStream stream; // past the shared part: the stream from its start
        for (int i = 0; i < shared; ++i)
            stream.next();
        for (int i = shared; i < n; ++i) {
            const unsigned low = in[2 * i] - unsigned('a');
            const unsigned high = in[2 * i + 1] - unsigned('A');
            outside |= low | high;
            out[i] = static_cast<char>(((high << 4) | (low & 0x0F)) ^ stream.next());
        }
    }
    return outside < 16;
}

int firstForeignCharacter(const char *data, int length)
{
    // Almost every line is clean: one pass without branches tells, and
    // only a damaged line is searched for its place.
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    unsigned outside = 0;
    const int pairs = length / 2;
    for (int i = 0; i < pairs; ++i)
        outside |= unsigned(bytes[2 * i] - 'a') | unsigned(bytes[2 * i + 1] - 'A');
    if (length % 2 != 0)
        outside |= unsigned(bytes[length - 1] - 'a');
    if (outside < 16)
        return -1;
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
