#pragma once

#include <QImage>

namespace velunto::samples {

// The base pictures of the sample topic folder, drawn in code. All are
// kSampleWidth x kSampleHeight (10 : 7, the page ratio of a projector); the
// positions that the documents label are given in the same pixels.
constexpr int kSampleWidth = 1600;
constexpr int kSampleHeight = 1120;

QImage riverSystemPicture();
QImage waterCyclePicture();
QImage plantPicture();
QImage skeletonPicture();
QImage solarSystemPicture();

// Small pictures for picture cards.
QImage compassRosePicture();
QImage waterDropPicture();
QImage cherryPicture();
QImage handXRayPicture();
QImage earthAndMoonPicture();

} // namespace velunto::samples
