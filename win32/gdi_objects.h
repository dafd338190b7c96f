// gdi_objects.h -- how many GDI objects the drawing seam has made and not yet deleted (Windows only).
#pragma once

// Device contexts, bitmaps, brushes and fonts made through the seam, less those it deleted. Surfaces
// live as long as the program; everything made for one frame or one script line is deleted with it.
int liveGdiObjects();
