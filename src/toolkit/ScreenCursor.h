#pragma once

// The screen-wide cursor: one value, default or hourglass, not a stack.
namespace ScreenCursor {
void SetWait();
void SetDefault();
bool IsWait();
}

// Sets the default cursor when it goes out of scope: every command ends with
// the default cursor, also when an error ends it.
class DefaultCursorAtEnd
{
public:
    DefaultCursorAtEnd() = default;
    DefaultCursorAtEnd(const DefaultCursorAtEnd &) = delete;
    DefaultCursorAtEnd &operator=(const DefaultCursorAtEnd &) = delete;
    ~DefaultCursorAtEnd() { ScreenCursor::SetDefault(); }
};
