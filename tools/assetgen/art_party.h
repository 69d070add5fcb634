#pragma once
// Drawing shared by the party screens' picture tables.

#include "assetgen.h"

namespace assetgen {

// A digit sheet of fw x fh frames, frame d the digit d: every digit's ink is
// stretched to inkW x inkH pixels (outline included) and centred in its
// frame, so that the digits fill the pitch at which the screens set them.
void FittedDigits(Canvas& c, int fw, int fh, int inkW, int inkH, Rgb colour);

}  // namespace assetgen
