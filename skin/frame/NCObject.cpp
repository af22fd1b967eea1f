#include "skin/frame/NCObject.h"

#include <algorithm>

void TNCCurrentObject::Leave() {
    if (FCurrent) FCurrent->MouseLeave();
}

void TNCCurrentObject::LeaveUnlessAt(Point pointer) {
    if (FCurrent && !Contains(FCurrent->Bounds, pointer)) FCurrent->MouseLeave();
}

TNCObject::~TNCObject() {
    if (IsCurrent()) FCurrent.FCurrent = nullptr;
}

void TNCObject::LeaveOthers() {
    if (FCurrent.FCurrent && !IsCurrent()) FCurrent.FCurrent->MouseLeave();
}

void TNCObject::Become(State state) {
    FCurrent.FCurrent = this;
    CurrentState = state;
    Paint();
}

void TNCObject::MouseDown() {
    LeaveOthers();
    if (Enabled) Become(Pressed);
}

void TNCObject::MouseUp() {
    if (!Enabled) return;
    CurrentState = Hot;
    Paint();
}

void TNCObject::MouseMove() {
    if (IsCurrent()) return;
    LeaveOthers();
    if (Enabled) Become(Hot);
}

void TNCObject::MouseLeave() {
    // Forgotten even when disabled meanwhile, so the frame never keeps
    // pointing at an object that no longer takes part.
    if (IsCurrent()) FCurrent.FCurrent = nullptr;
    if (!Enabled) return;
    CurrentState = Normal;
    Paint();
}

TNCObject* NCObjectAt(const std::vector<TNCObject*>& objects, Point point) {
    auto found = std::find_if(objects.rbegin(), objects.rend(),
                              [&](TNCObject* object) { return object->Visible && Contains(object->Bounds, point); });
    return found == objects.rend() ? nullptr : *found;
}
