// Fuzzes the text-to-integer conversion of the range dialog against a plain
// reference parser written from the rules: leading spaces, then an optional
// sign and decimal digits in -2147483648 .. 2147483647, or "$" and
// hexadecimal digits up to FFFFFFFF taken as the 32-bit pattern, and
// nothing after. The input's bytes are read as UTF-8, so that any text a
// user can type (full-width digits, other spaces) comes up. The two must
// agree on every text: the same value, or both refusing it, the program
// with its own message naming the text.

#include "toolkit/RuntimeError.h"
#include "unitSetRange/StrToInt.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

int DigitValue(char16_t c, int base)
{
    int value = 99;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'z')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'Z')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

std::optional<std::int32_t> Reference(const QString &text)
{
    const std::u16string s = text.toStdU16String();
    std::size_t at = 0;
    while (at < s.size() && s[at] == u' ')
        ++at;
    int base = 10;
    bool negative = false;
    if (at < s.size() && s[at] == u'$') {
        base = 16;
        ++at;
    } else if (at < s.size() && (s[at] == u'+' || s[at] == u'-')) {
        negative = s[at] == u'-';
        ++at;
    }
    if (at == s.size())
        return std::nullopt;
    // Leading zeros add nothing; more than ten other digits never fit.
    while (at + 1 < s.size() && s[at] == u'0')
        ++at;
    if (s.size() - at > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (; at < s.size(); ++at) {
        const int digit = DigitValue(s[at], base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
    }
    if (base == 16)
        return value <= 0xFFFFFFFFLL ? std::optional<std::int32_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value))) : std::nullopt;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

[[noreturn]] void Broken(const char *what, const QString &text)
{
    std::fprintf(stderr, "%s for the text \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<std::int32_t> expected = Reference(text);
    std::optional<std::int32_t> actual;
    try {
        actual = StrToInt(text);
    } catch (const RuntimeError &error) {
        if (error.text() != ErrorText::NotAnInteger(text))
            Broken("the refusal names another text", text);
    }
    if (actual != expected)
        Broken(expected ? "a text the reference reads is refused or read otherwise" : "a text the reference refuses is read", text);
    return 0;
}
