#pragma once
// The plain fields of the new game's screens, the story and the hall of
// fame, by name, for the scenario runner's state dump (pictures are left
// out). Names also come as readable text, under the field's name with Text
// appended.

class HallOfFameScreen;
class JsonOut;
class NameEntryScreen;
class NewGameMenu;
class StoryScene;

void DumpNameEntryScreen(const NameEntryScreen& s, JsonOut& out);
void DumpNewGameMenu(const NewGameMenu& s, JsonOut& out);
void DumpStoryScene(const StoryScene& s, JsonOut& out);
void DumpHallOfFameScreen(const HallOfFameScreen& s, JsonOut& out);
