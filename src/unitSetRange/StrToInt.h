#pragma once

#include <QString>
#include <cstdint>

// Text to integer as the run-time library reads it: leading spaces, then an
// optional sign and decimal digits, or "$" and hexadecimal digits (up to
// $FFFFFFFF, taken as the 32-bit pattern). Nothing may follow. Anything else
// raises "'text' は整数ではありません".
std::int32_t StrToInt(const QString &text);
