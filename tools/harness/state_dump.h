#pragma once
// The state dump of the scenario runner: one JSON object
//   {"screen", "frame", "clockMs",
//    "app": {the application object's plain fields by name},
//    "state": {the whole game record by field name},
//    "objects": {each object the application holds that exists now, under
//                its GameApp field name: its plain fields by name}}

#include <cstdint>
#include <string>

class GameApp;
class JsonOut;

std::string StateDumpJson(const GameApp& app, uint32_t frame);

// The fields of the application object itself.
void DumpGameApp(const GameApp& app, JsonOut& out);

// The objects part: writes one member per existing object.
void DumpHeldObjects(const GameApp& app, JsonOut& out);
