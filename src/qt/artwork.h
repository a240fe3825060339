// Tessora's own pictures, drawn by code: the start-up picture, the closing
// picture and the program's icon. The two window pictures have a pure white
// background with hard outer edges, so that the shape rule cuts the window
// exactly along the artwork; white inside the artwork is kept a shade off
// pure white so that it stays part of the window.
#pragma once

#include <QImage>

namespace tessora {
struct Picture;
}

namespace tessora::qt {

// The start-up picture (271 x 311 pixels at 100 %) and the closing picture
// (190 x 115 pixels), at a scale in percent.
QImage StartPicture(int percent = 100);
QImage ClosingPicture(int percent = 100);

// The icon at size x size pixels, on a transparent background.
QImage IconPicture(int size);

// The picture's pixels for the core's shape rule.
Picture ToPicture(const QImage& image);

}  // namespace tessora::qt
