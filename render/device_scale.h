// device_scale.h -- the screen's scale on the sides of the drawing seam that have one (Cairo, the canvas).
#pragma once

// Device pixels per board pixel along each side of the surfaces made from now on; they are drawn on in
// board pixels all the same. 1 until set.
void setDeviceScale(int scale);
int deviceScale();
