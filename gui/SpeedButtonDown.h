#pragma once

// Whether a speed button is down after a click. A button outside any group
// (GroupIndex 0) springs back; a grouped one goes down and stays down, and a
// click brings it up again only when its group may have all buttons up.
bool DownAfterClick(bool down, int groupIndex, bool allowAllUp);

// Whether a button of a group has to come up because another button went
// down: only a button of the same group does.
bool RaisedByGroupmate(int groupIndex, int groupmateIndex);
