#pragma once

// The window fonts the program's layouts were made for are not installed here; fontconfig's own
// fallback for them is about 10 % wider and overflows fixed boxes. These substitutions give
// each a family of the same width: Liberation Sans for Tahoma and MS Sans Serif, DejaVu Sans
// for Verdana.
namespace WindowFonts {
void installSubstitutions();
}
