#pragma once
// The one way a screen object goes: its destructor releases what it loaded,
// the object is deleted and the application's pointer emptied. An empty
// pointer is left alone (deleting a null pointer does nothing).

template <class T>
void FreeScreen(T*& p) {
  static_assert(sizeof(T) > 0, "the screen object's class must be complete here");
  delete p;
  p = nullptr;
}
