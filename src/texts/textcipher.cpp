#include "textcipher.h"

#include <utility>

namespace {

// The data file's key: 26 ASCII characters.
const char KEY[] = "Xw5j-bn[[[tqe3k8pMzcrvHD42";
const int KEY_LENGTH = 26;

// RC4 with the file key, scheduled afresh for every line.
class KeyStream
{
public:
    KeyStream()
    {
        for (int k = 0; k < 256; ++k)
            m_s[k] = static_cast<unsigned char>(k);
        int j = 0;
        for (int k = 0; k < 256; ++k) {
            j = (j + m_s[k] + static_cast<unsigned char>(KEY[k % KEY_LENGTH])) & 0xFF;
            std::swap(m_s[k], m_s[j]);
        }
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
        const unsigned char byte = static_cast<unsigned char>((high * 16 + low - 0x71) & 0xFF);
        bytes[i] = static_cast<char>(byte ^ stream.next());
    }
    line = QString::fromLatin1(bytes);
    return true;
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
