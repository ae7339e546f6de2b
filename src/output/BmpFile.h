#pragma once

#include <QImage>
#include <QString>

// Writes image as an uncompressed 24-bit Windows BMP file, replacing a file
// of that name. Raises "ﾌｧｲﾙ %s を作成できません" when the file cannot be
// created and "ｽﾄﾘｰﾑへの書き込みｴﾗｰ" when writing fails.
void SaveBitmapToFile(const QImage &image, const QString &fileName);
