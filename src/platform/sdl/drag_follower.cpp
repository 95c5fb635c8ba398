#include "platform/sdl/drag_follower.h"

#include "platform/sdl/pointer.h"
#include "platform/sdl/sdl_window.h"

namespace platform::sdl {

void DragFollower::Pressed(Point client, MessagePump& pump) {
    // A press that comes before an earlier release was handed on ends that
    // drag first, keeping the order in which they happened.
    if (releasedAt_) PostRelease(pump);
    buttonDown_ = true;
    lastClient_ = client;
    movePending_ = false;
    pump.PostInput(Message{MessageKind::LeftButtonDown, MouseLeftButton,
                           MakePointParam(client.x, client.y)});
}

void DragFollower::Released(std::optional<Point> screen, Point client, MessagePump& pump) {
    if (!Dragging()) {
        buttonDown_ = false;
        pump.PostInput(Message{MessageKind::LeftButtonUp, 0, MakePointParam(client.x, client.y)});
        return;
    }
    releasedAt_ = screen ? *screen : PointerOnScreen();
}

void DragFollower::Poll(MessagePump& pump) {
    if (!buttonDown_) return;
    if (!Dragging()) {
        // The game let go of the mouse before the button came up.
        if (releasedAt_) PostRelease(pump);
        return;
    }
    KeepPointerGrabbed();
    if (movePending_) return;
    if (Follow(releasedAt_ ? *releasedAt_ : PointerOnScreen(), pump)) return;
    if (releasedAt_) PostRelease(pump);
}

void DragFollower::Handled(const Message& message) {
    if (message.kind == MessageKind::MouseMove) movePending_ = false;
}

bool DragFollower::Dragging() const { return buttonDown_ && MainWindow().captured; }

bool DragFollower::Follow(Point screen, MessagePump& pump) {
    const Point window = MainWindow().position;
    const Point client{screen.x - window.x, screen.y - window.y};
    if (client == lastClient_) return false;
    lastClient_ = client;
    movePending_ = true;
    pump.PostInput(Message{MessageKind::MouseMove, MouseLeftButton,
                           MakePointParam(client.x, client.y)});
    return true;
}

void DragFollower::PostRelease(MessagePump& pump) {
    const Point window = MainWindow().position;
    const Point client{releasedAt_->x - window.x, releasedAt_->y - window.y};
    releasedAt_.reset();
    buttonDown_ = false;
    pump.PostInput(Message{MessageKind::LeftButtonUp, 0, MakePointParam(client.x, client.y)});
}

}  // namespace platform::sdl
