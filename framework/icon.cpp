// SPDX-License-Identifier: GPL-3.0-or-later

#include "icon.h"

#include "resources.h"

#include <QImageReader>

#include <map>

QIcon LoadIcon(UINT nIDResource)
{
    const IconResource* resource = FindIcon(nIDResource);
    if (!resource)
        return {};
    QImageReader reader(QString::fromUtf8(resource->path));
    std::vector<QImage> trueColour;
    std::map<int, QImage> paletted; // by width: the images whose transparency mask Qt reads
    QIcon icon;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const bool indexed =
            reader.imageFormat() == QImage::Format_Indexed8 || reader.imageFormat() == QImage::Format_Mono;
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        if (indexed) {
            paletted.emplace(image.width(), image);
            icon.addPixmap(QPixmap::fromImage(image));
        } else {
            trueColour.push_back(image);
        }
    }
    // Qt's reader drops the transparency mask of true-colour icon images: they take it from the
    // paletted image of their size, which has the same mask.
    for (QImage& image : trueColour) {
        if (const auto mask = paletted.find(image.width()); mask != paletted.end()) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            image.setAlphaChannel(mask->second.convertToFormat(QImage::Format_Alpha8));
        }
        icon.addPixmap(QPixmap::fromImage(image));
    }
    for (const char* larger : resource->largerImages)
        icon.addFile(QString::fromUtf8(larger));
    return icon;
}
