#include "panel/panel_commands.h"

#include <deque>

namespace {

std::deque<PanelCommand> queued;

}  // namespace

PanelCommand MakePanelCommand(PanelOp op, float a, float b, float c) {
    return PanelCommand{op, {a, b, c}};
}

void QueuePanelCommand(const PanelCommand& command) { queued.push_back(command); }

PanelCommand TakePanelCommand() {
    if (queued.empty()) return {};
    const PanelCommand command = queued.front();
    queued.pop_front();
    return command;
}
