#pragma once
#include <vector>

#include "gui/Menus.h"
#include "tests/gui/TestForm.h"

// A form with a menu bar of three menus, each one command; it notes which
// menus opened and which commands were chosen, in order.
class MenuForm : public TTestForm {
public:
    MenuForm() {
        for (int i = 0; i < 3; ++i) {
            Tops[i].Add({&Commands[i]});
            Tops[i].OnClick = [this, i](TObject*) { Opened.push_back(i); };
            Commands[i].OnClick = [this, i](TObject*) { Chosen.push_back(i); };
        }
        Bar.Add({&Tops[0], &Tops[1], &Tops[2]});
        SetMainMenu(Bar);
    }
    TMainMenu Bar;
    TMenuItem Tops[3] = {TMenuItem("&A"), TMenuItem("&B"), TMenuItem("&C")};
    TMenuItem Commands[3] = {TMenuItem("&x"), TMenuItem("&y"), TMenuItem("&z")};
    std::vector<int> Opened, Chosen;
};
