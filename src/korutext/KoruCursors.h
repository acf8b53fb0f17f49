// The hypertext label's own pointer pictures: the hand over hot spots and the
// arm, target, wand, boy, girl, pencil, lightning, key, telephone and question
// mark pointers, drawn in code so that they look the same on every desktop.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>

// True for the codes whose pointer the control draws itself: 13 (hand) and 14..23.
bool isKoruOwnCursor(int code);
// The picture (32 x 32, transparent background, black outline) and its hot spot.
QPixmap koruPointerPicture(int code);
QPoint koruPointerHotSpot(int code);
// The pointer itself; for a code that is not one of the control's own, the arrow.
QCursor koruOwnCursor(int code);
