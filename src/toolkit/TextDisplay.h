#pragma once

#include <QByteArray>
#include <QString>

// A header text (Shift-JIS bytes) as shown to the user. Zero bytes and other
// control characters become their visible symbols (U+2400 .. U+241F, U+2421),
// so a student can see that the field holds them; the rest is decoded from
// Shift-JIS, an invalid sequence showing as U+FFFD.
QString DisplayText(const QByteArray &bytes);
