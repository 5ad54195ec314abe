#include "Windows1252.h"

#include <array>

namespace Windows1252 {
namespace {

// Bytes 0x80..0x9F; 0 marks the five codes the page leaves undefined.
constexpr std::array<char16_t, 32> Mitte = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> byteFuer(char16_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return char(zeichen);
    if (zeichen < 0xA0 && Mitte[zeichen - 0x80] == 0)
        return char(zeichen);
    for (std::size_t i = 0; i < Mitte.size(); ++i) {
        if (Mitte[i] != 0 && Mitte[i] == zeichen)
            return char(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QString Decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = quint8(byte);
        // Undefined codes map to the C1 control of the same value, as Windows does.
        const char16_t zeichen = (code >= 0x80 && code < 0xA0 && Mitte[code - 0x80] != 0)
                                     ? Mitte[code - 0x80]
                                     : char16_t(code);
        text += QChar(zeichen);
    }
    return text;
}

std::optional<QByteArray> Encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar zeichen : text) {
        const auto byte = byteFuer(zeichen.unicode());
        if (!byte)
            return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

bool KannSpeichern(const QString &text)
{
    return Encode(text).has_value();
}

} // namespace Windows1252
