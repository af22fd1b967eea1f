#pragma once
#include <utility>

#include "base/Events.h"

// Binds an event to a handler method of a form. The method takes the
// event's arguments after Sender, or none of them, as a form's handlers do:
//   Button1.OnClick = Handler(this, &TForm1::Button1Click);
template <class Owner, class... Params>
auto Handler(Owner* owner, void (Owner::*method)(Params...)) {
    return [owner, method](TObject*, auto&&... args) {
        if constexpr (sizeof...(Params) == 0)
            (owner->*method)();
        else
            (owner->*method)(std::forward<decltype(args)>(args)...);
    };
}
