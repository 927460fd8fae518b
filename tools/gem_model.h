// The test model: a round-brilliant gem 10 units across its girdle and about
// 6.4 units high, table up, centred on its origin. It is convex, so the
// convex hull the demo builds from its vertices is exactly the drawn shape;
// starting point down, with its weight in the crown, it has to tip over and
// roll across its facets. Its ruby skin shades each facet by the direction it
// faces and traces the facet edges.
#pragma once

#include "tools/model_asset.h"

ModelAsset BuildGem();
