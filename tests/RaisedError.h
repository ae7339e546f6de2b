#pragma once

#include "toolkit/RuntimeError.h"

#include <QString>

// The text of the RuntimeError that action raises, or an empty text when it
// raises none.
template <typename Action>
QString RaisedError(Action &&action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.text();
    }
    return {};
}

// The run-time library's texts, written out here rather than taken from the
// program, so that a wrong text in the program shows.
namespace Texts {
inline const QString ZeroDivide = QStringLiteral("0 による浮動小数点数除算");
inline const QString InvalidOperation = QStringLiteral("不正な浮動小数点数演算命令");
inline const QString Overflow = QStringLiteral("浮動小数点数のｵｰﾊﾞｰﾌﾛｰ");
}
