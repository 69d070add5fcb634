// The tower visit's frame: the visit every place shares (house_proc.cpp).

#include "app/game_app.h"
#include "places/house_screen.h"

void GameApp::TowerProc() { VisitPlace(towerScreen); }
