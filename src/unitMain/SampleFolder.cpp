#include "SampleFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef SORVANE_INSTALLED_SAMPLES
#define SORVANE_INSTALLED_SAMPLES "../share/sorvane/samples"
#endif
#ifndef SORVANE_SOURCE_SAMPLES
#define SORVANE_SOURCE_SAMPLES ""
#endif

QString SampleFolderOf(const QString &programFolder, const QString &sourceSamples)
{
    const QString installed = QDir::cleanPath(QDir(programFolder).absoluteFilePath(QStringLiteral(SORVANE_INSTALLED_SAMPLES)));
    if (QFileInfo(installed).isDir())
        return installed;
    if (!sourceSamples.isEmpty() && QFileInfo(sourceSamples).isDir())
        return QDir::cleanPath(sourceSamples);
    return QString();
}

QString SampleFolder()
{
    return SampleFolderOf(QCoreApplication::applicationDirPath(), QStringLiteral(SORVANE_SOURCE_SAMPLES));
}
