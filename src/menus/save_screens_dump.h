#pragma once
// The plain fields of the main menu, the save slots panel and the
// save-and-quit question, by name, for the scenario runner's state dump.

class JsonOut;
class MainMenuScreen;
class SaveAndQuitDialog;
class SaveSlotsPanel;

void DumpMainMenuScreen(const MainMenuScreen& menu, JsonOut& out);
void DumpSaveSlotsPanel(const SaveSlotsPanel& panel, JsonOut& out);
void DumpSaveAndQuitDialog(const SaveAndQuitDialog& dialog, JsonOut& out);
