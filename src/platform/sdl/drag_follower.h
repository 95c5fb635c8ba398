#pragma once

// The mouse messages of a drag. While the game holds the mouse captured with
// the left button down it moves its window under the pointer, and each
// message must tell it where the pointer is relative to the window as the
// window stands when the message is handled. So the pointer is read from the
// window system on every pass of the pump, and only one move is on its way
// to the game at a time: the next is measured after the game has moved the
// window for the last.
//
// SDL's own motion events cannot serve here: their window coordinates are
// measured against wherever the window was, and SDL drops an event whose
// coordinates repeat the previous one, as they do when the window has just
// moved by the pointer's last step.

#include <optional>

#include "platform/geometry.h"
#include "platform/message_pump.h"
#include "platform/messages.h"

namespace platform::sdl {

class DragFollower {
public:
    // True from the press until its release has been handed to the game;
    // SDL's motion events are then left out.
    bool buttonDown() const { return buttonDown_; }

    // The left button went down at a client position.
    void Pressed(Point client, MessagePump& pump);
    // The left button came up: at `screen` when the window system said where,
    // else at the client position SDL gives. During a drag the window is
    // brought there first, so the release message waits until it has.
    void Released(std::optional<Point> screen, Point client, MessagePump& pump);
    // Called at the end of every pass of the pump over the events.
    void Poll(MessagePump& pump);
    // Called with every message the game has handled.
    void Handled(const Message& message);

private:
    bool Dragging() const;
    // Posts a move when the pointer's position relative to the window has
    // changed; true when it did.
    bool Follow(Point screen, MessagePump& pump);
    void PostRelease(MessagePump& pump);

    bool buttonDown_ = false;
    // The client position of the last press or move posted.
    Point lastClient_{};
    // A posted move the game has not handled yet.
    bool movePending_ = false;
    // Where the button came up, while the release waits for the window.
    std::optional<Point> releasedAt_;
};

}  // namespace platform::sdl
