#pragma once
#include <vector>

#include "skin/frame/FrameCoordinates.h"

class TNCObject;

// The frame's current non-client object: the caption button or menu bar
// item that is under the mouse or pressed. The frame holds one; its objects
// report to it.
class TNCCurrentObject {
public:
    TNCObject* Get() const { return FCurrent; }
    // The current object gets MouseLeave (the pointer left the window, or a
    // menu closed).
    void Leave();
    // For the caption timer: MouseLeave when the pointer (window
    // coordinates) is no longer over the current object.
    void LeaveUnlessAt(Point pointer);

private:
    friend class TNCObject;
    TNCObject* FCurrent = nullptr;
};

// Something in the non-client area that reacts to the mouse: a caption
// button or a menu bar item. Derived classes draw themselves in Paint.
class TNCObject {
public:
    enum State { Normal = 1, Pressed = 2, Hot = 3 };

    explicit TNCObject(TNCCurrentObject& current) : FCurrent(current) {}
    virtual ~TNCObject();
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseMove();
    virtual void MouseLeave();
    virtual void Paint() {}

    bool IsCurrent() const { return FCurrent.FCurrent == this; }

    Rect Bounds;  // window coordinates
    bool Enabled = true;
    bool Visible = true;
    State CurrentState = Normal;

private:
    void LeaveOthers();
    void Become(State state);

    TNCCurrentObject& FCurrent;
};

// The visible object under a point (window coordinates), or none; the last
// one wins where objects overlap, as it is drawn last.
TNCObject* NCObjectAt(const std::vector<TNCObject*>& objects, Point point);
