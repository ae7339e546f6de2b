#include "StrToInt.h"

#include "toolkit/RuntimeError.h"

std::int32_t StrToInt(const QString &text)
{
    const auto fail = [&text]() -> std::int32_t { throw RuntimeError(ErrorText::NotAnInteger(text)); };
    qsizetype at = 0;
    while (at < text.size() && text[at] == QLatin1Char(' '))
        ++at;
    if (at == text.size())
        return fail();

    if (text[at] == QLatin1Char('$')) {
        ++at;
        if (at == text.size())
            return fail();
        std::uint64_t value = 0;
        for (; at < text.size(); ++at) {
            const char16_t c = text[at].unicode();
            int digit;
            if (c >= u'0' && c <= u'9')
                digit = c - u'0';
            else if (c >= u'a' && c <= u'f')
                digit = c - u'a' + 10;
            else if (c >= u'A' && c <= u'F')
                digit = c - u'A' + 10;
            else
                return fail();
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu)
                return fail();
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')) {
        negative = text[at] == QLatin1Char('-');
        ++at;
    }
    if (at == text.size())
        return fail();
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9')
            return fail();
        value = value * 10 + (c - u'0');
        if (value > 2147483648LL)
            return fail();
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return fail();
    return static_cast<std::int32_t>(value);
}
