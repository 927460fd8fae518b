// The stress scene: extra boxes of edge 2 dropped in a grid over the floor,
// drawn together in one batch.
#pragma once

#include "physics/newton_box.h"
#include "render/box_batch.h"

#include <memory>
#include <vector>

// Where box i of the grid starts: 25 x 25 boxes a layer, 5 units apart, over
// the middle of the floor, layer upon layer from 40 units up.
Vertex StressBoxPosition(int index);

class StressBoxes {
public:
    // Adds count boxes of mass 1 to the world.
    void drop(NewtonWorld* world, int count);
    // Draws every box in one batch, where drawing between steps puts it.
    void draw(Vertex eye);
    const std::vector<std::unique_ptr<NewtonBox>>& all() const { return boxes; }
    void clear() { boxes.clear(); }

private:
    std::vector<std::unique_ptr<NewtonBox>> boxes;
    std::vector<BatchedBox> batched;  // kept between frames, refilled each
    BoxBatch batch;
};
