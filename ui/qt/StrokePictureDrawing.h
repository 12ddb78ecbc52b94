// Drawing a stroke picture (ui/lessons/StrokePictures.h): the strokes in writing order, each
// started by its order number (blue; with many strokes only the strokes typed), and the
// digits of the KX code (red) on the strokes they stand for, kept inside the picture and off
// each other.
#pragma once

#include <QPixmap>
#include <QRectF>
#include <vector>

#include "ui/lessons/StrokePictures.h"

namespace dazi {

// The picture, size pixels square.
QPixmap DrawStrokePicture(const lessons::StrokePicture& picture, int size);

// Where the red key labels go in a picture of that size, one box per label in code order:
// each on or beside its stroke, inside the picture, and apart from the others where the
// picture has room.
std::vector<QRectF> KeyLabelBoxes(const lessons::StrokePicture& picture, int size);

}  // namespace dazi
