#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>

// A picture of a single colour, easy to find again in a rendering.
inline QIcon oneColourPicture(QColor colour, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// Bounding box of the pixels in one exact colour.
inline QRect boxOf(const QImage& image, QColor colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}
