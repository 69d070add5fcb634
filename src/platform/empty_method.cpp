#include "platform/empty_method.h"

void EmptyMethod(const void* object) { (void)object; }
