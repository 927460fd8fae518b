// The cylinder body's model: a closed cylinder of length 1 along x (x from
// -0.5 to 0.5) and diameter 1, centred on its origin, which the demo scales
// over the physical cylinder. Its skin shows the spin: lengthwise stripes
// around the side with one red marker stripe, and on each cap spokes whose
// red spoke lines up with the marker stripe; the two caps differ in colour
// (teal at -x, orange at +x) and the side's end bands match them.
#pragma once

#include "tools/model_asset.h"

ModelAsset BuildCylinder();
