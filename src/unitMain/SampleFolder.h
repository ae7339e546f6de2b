#pragma once

#include <QString>

// The folder of sample scenes that ships with the program: installed beside
// the program's data, or the one in the source tree for a build that has not
// been installed. Empty when neither exists.
QString SampleFolder();
