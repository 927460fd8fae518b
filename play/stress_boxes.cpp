#include "play/stress_boxes.h"

#include "platform/log.h"

namespace {
constexpr int kRow = 25;
constexpr float kSpacing = 5, kFirstLayerY = 40, kEdge = 2, kMass = 1;
}  // namespace

// Every other layer is shifted by half the spacing along x and z, so that its
// boxes fall into the gaps of the layer below rather than onto its boxes.
Vertex StressBoxPosition(int index) {
    const int column = index % kRow, row = index / kRow % kRow, layer = index / (kRow * kRow);
    const float start = -float(kRow - 1) * kSpacing / 2 + float(layer % 2) * kSpacing / 2;
    return newV(start + float(column) * kSpacing, kFirstLayerY + float(layer) * kSpacing,
                start + float(row) * kSpacing);
}

void StressBoxes::drop(NewtonWorld* world, int count) {
    if (count <= 0) return;
    for (int i = 0; i < count; ++i)
        boxes.push_back(std::make_unique<NewtonBox>(world, StressBoxPosition(i), kMass, kEdge));
    log_txt("%d stress boxes dropped over the floor", count);
}

void StressBoxes::draw(Vertex eye) {
    batched.clear();
    for (const auto& box : boxes) {
        box->getPosition();  // takes the box's current pose into its matrix
        batched.push_back({&box->drawMatrix(), box->size});
    }
    batch.draw(batched, eye);
}
