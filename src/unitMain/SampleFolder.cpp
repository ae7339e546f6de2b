#include "SampleFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString SampleFolder()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/sorvane/samples"));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
#ifdef SORVANE_SOURCE_SAMPLES
    const QString source = QStringLiteral(SORVANE_SOURCE_SAMPLES);
    if (QFileInfo(source).isDir())
        return source;
#endif
    return QString();
}
