#pragma once

#include <QString>

// The folder of sample scenes that ships with the program: the installed one
// beside the program's data, or the one in the source tree for a build that
// has not been installed. Empty when neither exists; the open dialog then
// starts in the home folder.
QString SampleFolder();

// The same for a program in programFolder whose source tree keeps its
// samples in sourceSamples (empty for none).
QString SampleFolderOf(const QString &programFolder, const QString &sourceSamples);
