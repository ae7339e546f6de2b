// Writes the program's icon, the cat's face of the About box, as PNG files
// for the desktop's icon theme: <folder>/<size>/sorvane.png for each size
// given, each a whole multiple of the 32-pixel drawing, so that every pixel
// of the drawing stays a sharp square.

#include "About/TAboutBox.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s folder size...\n", argv[0]);
        return 2;
    }
    const QImage drawing = CatFaceIcon();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int index = 2; index < argc; ++index) {
        const int size = QByteArray(argv[index]).toInt();
        if (size <= 0 || size % drawing.width() != 0) {
            std::fprintf(stderr, "%s: %s is no multiple of %d\n", argv[0], argv[index], drawing.width());
            return 2;
        }
        const QString sizeFolder = QString::number(size);
        const QString path = folder.absoluteFilePath(sizeFolder + QStringLiteral("/sorvane.png"));
        if (!folder.mkpath(sizeFolder) || !drawing.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
