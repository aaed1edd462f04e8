#include "uppercase.h"

bool isAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

void writeUpperCase(QString &target, const QString &text)
{
    // Upper-casing outside ASCII may change the length (a sharp s becomes
    // two letters): QString::toUpper handles those.
    if (!isAscii(text)) {
        target = text.toUpper();
        return;
    }
    target.resize(text.size());
    QChar *out = target.data();
    for (const QChar c : text) {
        const ushort u = c.unicode();
        *out++ = QChar(u >= 'a' && u <= 'z' ? ushort(u - 'a' + 'A') : u);
    }
}
