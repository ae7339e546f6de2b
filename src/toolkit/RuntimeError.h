#pragma once

#include <QString>
#include <exception>
#include <string>

// An error of the run-time library: it ends the command that raised it, and
// the handler wrapper shows its text in a message box.
class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(QString text) : text_(std::move(text)), utf8_(text_.toStdString()) { }
    const QString &text() const { return text_; }
    const char *what() const noexcept override { return utf8_.c_str(); }

private:
    QString text_;
    std::string utf8_;
};

namespace ErrorText {
inline QString ZeroDivide() { return QStringLiteral("0 による浮動小数点数除算"); }
inline QString InvalidOperation() { return QStringLiteral("不正な浮動小数点数演算命令"); }
inline QString Overflow() { return QStringLiteral("浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"); }
inline QString FileNotFound() { return QStringLiteral("ﾌｧｲﾙが見つかりません"); }
inline QString InvalidFileName() { return QStringLiteral("不正なﾌｧｲﾙ名です"); }
inline QString TooManyOpenFiles() { return QStringLiteral("ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"); }
inline QString AccessDenied() { return QStringLiteral("ﾌｧｲﾙへのｱｸｾｽが拒否されました"); }
inline QString ReadBeyondEnd() { return QStringLiteral("ﾌｧｲﾙの末尾以降を読み込みました"); }
inline QString InOutError(int code) { return QStringLiteral("I/O ｴﾗｰ (%1)").arg(code); }
inline QString NotAnInteger(const QString &text) { return QStringLiteral("'%1' は整数ではありません").arg(text); }
inline QString CannotCreateFile(const QString &name) { return QStringLiteral("ﾌｧｲﾙ %1 を作成できません").arg(name); }
inline QString StreamWriteError() { return QStringLiteral("ｽﾄﾘｰﾑへの書き込みｴﾗｰ"); }
}
