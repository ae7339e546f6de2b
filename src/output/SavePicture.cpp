#include "unitMain/TMainForm.h"

#include "output/BmpFile.h"
#include "toolkit/Picture.h"

void TMainForm::SavePictureItemClick()
{
    const int height = ClientArea->height();
    const int width = ClientArea->width();
    imgSavePic->resize(imgSavePic->width(), height);
    imgSavePic->resize(width, height);

    // What the client area shows now, pixel for pixel.
    QImage shown = ClientArea->grab(QRect(0, 0, width, height)).toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1.0);
    const Canvas source(shown);
    imgSavePic->canvas().copyRect(QRect(0, 0, width, height), source, QRect(0, 0, width, height));

    SaveDialog.setFilter(QStringLiteral("BMPﾌｧｲﾙ(*bmp)|*bmp"));
    if (!SaveDialog.execute())
        return;
    SaveBitmapToFile(imgSavePic->bitmap(), SaveDialog.fileName());
}
