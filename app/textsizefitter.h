#pragma once

namespace apt {

// Gives the fixed sizes of the forms, made for text at 100 %, room for text
// at `percent` %: widgets made now and later, and back to their own sizes at
// 100 %. How each kind of widget grows is said where it is done.
void fitSizesToText(int percent);

} // namespace apt
