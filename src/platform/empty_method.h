#pragma once

// An operation that does nothing. The battle screen calls it once per frame
// while it draws; the object it is called on, if any, is not used.
void EmptyMethod(const void* object = nullptr);
