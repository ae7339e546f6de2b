#pragma once

#include "RuntimeError.h"
#include "ScreenCursor.h"

#include <QString>
#include <exception>
#include <type_traits>
#include <utility>

namespace Handler {
void ShowError(const QString &text);
}

// Runs one event handler to its end. An error that ends it is shown as a
// message box with a stop icon, the cursor returns to the default, and the
// program goes on. No exception leaves this function, so none crosses Qt's
// event loop.
template<typename Body>
void RunHandler(Body &&body) noexcept
{
    try {
        DefaultCursorAtEnd cursor;
        std::forward<Body>(body)();
    } catch (const RuntimeError &error) {
        Handler::ShowError(error.text());
    } catch (const std::bad_alloc &) {
        Handler::ShowError(QStringLiteral("ﾒﾓﾘが足りません"));
    } catch (const std::exception &error) {
        Handler::ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        Handler::ShowError(QStringLiteral("ｴﾗｰが発生しました"));
    }
}

// A slot that runs a member function of object inside RunHandler. Signal
// arguments the handler does not take (a menu item's checked state) are
// dropped.
template<typename Object, typename Method>
auto Guarded(Object *object, Method method)
{
    return [object, method](auto &&...arguments) {
        RunHandler([&] {
            if constexpr (std::is_invocable_v<Method, Object *, decltype(arguments)...>)
                (object->*method)(std::forward<decltype(arguments)>(arguments)...);
            else
                (object->*method)();
        });
    };
}
