#pragma once

#include "unitMain/WorkingState.h"

#include <QByteArray>
#include <QString>

// Reads a band file: the 512-byte header into header, then 400 lines of 512
// pixels into raster, file line L column C to cell [C + 1][L + 1]. Failures
// raise the run-time library's file errors; the bytes read before a failure
// stay in header and raster.
void ReadBandFile(const QString &path, HeaderBuffer &header, BandRaster &raster);

// The header bytes offset .. offset + length - 1, every byte kept.
QByteArray HeaderText(const HeaderBuffer &header, int offset, int length);
