#include "app/PasswordScrambler.h"

#include <QRandomGenerator>

#include <cerrno>
#include <iconv.h>

namespace {

// The 94 printable characters in the order of the filler table, positions 1..94.
const char fillerTable[] = "`1234567890-="
                           "qwertyuiop[]\\"
                           "asdfghjkl;'"
                           "zxcvbnm,./"
                           "?><"
                           "MNBVCXZ"
                           "\":"
                           "LKJHGFDSA"
                           "|}{"
                           "POIUYTREWQ"
                           "+_)(*&^%$#@!~";
static_assert(sizeof(fillerTable) == 95, "the filler table holds 94 characters");

QChar filler()
{
    // Positions 1 to 93: a draw of 0 is drawn again, so the tilde never appears.
    quint32 position = 0;
    while (position == 0)
        position = QRandomGenerator::global()->bounded(94u);
    return QLatin1Char(fillerTable[position - 1]);
}

QByteArray convert(const QByteArray &input, const char *to, const char *from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return {};
    QByteArray output(input.size() * 4 + 4, '\0');
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = size_t(input.size());
    char *out = output.data();
    size_t outLeft = size_t(output.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1))
            continue;
        // A byte sequence the code page cannot read becomes '?'.
        if ((errno == EILSEQ || errno == EINVAL) && outLeft > 0) {
            *out++ = '?';
            --outLeft;
            ++in;
            --inLeft;
        } else {
            break;
        }
    }
    iconv_close(cd);
    output.truncate(output.size() - qsizetype(outLeft));
    return output;
}

int hexValue(QChar c)
{
    // Only 1-9 and upper-case A-F count; everything else (even "0") is 0.
    const char16_t u = c.unicode();
    if (u >= u'1' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

} // namespace

// Characters GBK lacks become '?', as the original's conversion made them.
QByteArray toGbk(const QString &text) { return convert(text.toUtf8(), "GBK//TRANSLIT", "UTF-8"); }

QString fromGbk(const QByteArray &bytes) { return QString::fromUtf8(convert(bytes, "UTF-8", "GBK")); }

QString EncodePassword(const QString &plain)
{
    if (plain.isEmpty())
        return {};
    QString hex = QString::fromLatin1(toGbk(plain).toHex().toUpper());
    std::reverse(hex.begin(), hex.end());
    QString stored;
    stored.reserve(hex.size() * 2 + 1);
    for (const QChar digit : hex) {
        stored += filler();
        stored += digit;
    }
    stored += filler();
    return stored;
}

QString DecodePassword(const QString &stored)
{
    if (stored.isEmpty())
        return {};
    QString digits;
    const qsizetype count = stored.size() / 2;
    for (qsizetype i = 1; i <= count; ++i)
        digits += stored.at(2 * i - 1); // positions 2, 4, ... counted from 1
    std::reverse(digits.begin(), digits.end());
    QByteArray bytes;
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2)
        bytes.append(char(hexValue(digits.at(i)) * 16 + hexValue(digits.at(i + 1))));
    return fromGbk(bytes);
}
