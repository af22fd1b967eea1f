#pragma once

// What a window of pressable parts shows: the part under the pointer (hot)
// and the part drawn pressed. -1 is none.
struct TPressLook {
    int Hot = -1;
    int Pressed = -1;

    bool operator==(const TPressLook&) const = default;
};

// Press and hover as native buttons have them, for a window of numbered
// parts (a button is one part, an up-down two, a tab control one per tab):
// a part pressed stays held until the button comes up or the press is
// cancelled; while held it looks pressed only with the pointer over it, and
// no other part becomes hot; a release over the held part clicks it once,
// wherever the pointer went in between.
class TPressState {
public:
    // The pointer is over part (-1: over none, or outside).
    void Move(int part) { FOver = part; }
    // The button went down over part; -1 holds nothing.
    void Press(int part);
    // The button came up over part: the part clicked, or -1.
    int Release(int part);
    // Capture or activation was lost: nothing held, nothing hot.
    void Cancel() { FHeld = FOver = -1; }

    bool Holding() const { return FHeld >= 0; }
    TPressLook Look() const;

private:
    int FHeld = -1;
    int FOver = -1;
};
