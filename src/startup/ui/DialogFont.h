#pragma once

// The dialogs in the desktop's UI font, with Japanese drawn in a scalable face where one is installed.
// fontconfig's own choice for Japanese is often IPA Gothic, whose embedded bitmaps give jagged glyphs
// at dialog sizes; the digits and Latin letters that follow Japanese in a line are drawn in the same
// face. The sign's LED font is its own setting and is not touched.
void useDesktopFontForDialogs();
