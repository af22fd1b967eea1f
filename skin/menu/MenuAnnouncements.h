#pragma once

// The kind of popup menu that opens next: a context menu, a menu of the
// menu bar, or the system menu.
enum class TMenuKind { Popup = 0, MenuBar = 1, System = 2 };

// What the skin knows of the popup menu window that opens next, which
// shows no kind of its own: whoever opens a menu (a frame, its menu bar)
// says which kind it is, and the skin manager reads it as the window
// appears.
class TMenuAnnouncements {
public:
    void AnnounceMenu(TMenuKind kind) { FNextKind = kind; }
    // A menu of a menu bar opens; until it closes, arrows may move on to the
    // menus of the neighbouring items.
    void BeginMenuBarTracking() {
        FNextKind = TMenuKind::MenuBar;
        FMenuBarTracking = true;
    }
    void EndMenuBarTracking() { FMenuBarTracking = false; }
    // No popup menu window is open any more.
    void AllMenusClosed() {
        FNextKind = TMenuKind::Popup;
        FMenuBarTracking = false;
    }

    TMenuKind NextKind() const { return FNextKind; }
    bool MenuBarTracking() const { return FMenuBarTracking; }

private:
    TMenuKind FNextKind = TMenuKind::Popup;
    bool FMenuBarTracking = false;
};
