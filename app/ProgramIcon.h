#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

#include <cstdint>

namespace velundia {

// The program's picture: a clean trace on black, at any square size in pixels.
QPixmap programPicture(int size);
QIcon programIcon();

// ImageList1: the small pictures of the menu items, by index (6 new, 7 open, 8 save,
// 14 print); the other places are empty.
QList<QIcon> imageList();

// The glyph of a colour button: a 15 x 15 square of the colour (0x00BBGGRR) with a
// light grey edge, on a 16 x 16 picture.
QIcon colourSwatch(uint32_t packed);
// The glyph of the button that opens the colour dialog.
QIcon manyColourPicture();

}  // namespace velundia
