#pragma once

#include <QByteArray>
#include <QImage>

// Writes an image as a 16-colour (4 bits per pixel) Windows bitmap with the
// standard 16-colour palette; every pixel takes the nearest palette colour.
QByteArray EncodeBmp4(const QImage& image);
