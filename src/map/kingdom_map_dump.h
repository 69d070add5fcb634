#pragma once
// The plain fields of the map view and the control bar, by name, for the
// scenario runner's state dump (pictures are left out).

class ControlBar;
class JsonOut;
class KingdomMap;

void DumpKingdomMap(const KingdomMap& map, JsonOut& out);
void DumpControlBar(const ControlBar& bar, JsonOut& out);
