#include "play/stress_boxes.h"

#include "app/log.h"

namespace {
constexpr int kRow = 20;
constexpr float kSpacing = 5, kFirstLayerY = 40, kEdge = 2, kMass = 1;
}  // namespace

Vertex StressBoxPosition(int index) {
    const int column = index % kRow, row = index / kRow % kRow, layer = index / (kRow * kRow);
    const float half = float(kRow - 1) * kSpacing / 2;
    return newV(float(column) * kSpacing - half, kFirstLayerY + float(layer) * kSpacing,
                float(row) * kSpacing - half);
}

void StressBoxes::drop(NewtonWorld* world, int count) {
    if (count <= 0) return;
    for (int i = 0; i < count; ++i)
        boxes.push_back(std::make_unique<NewtonBox>(world, StressBoxPosition(i), kMass, kEdge));
    log_txt("%d stress boxes dropped over the floor", count);
}
