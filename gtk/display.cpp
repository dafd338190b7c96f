// display.cpp -- the loss of the X display, caught. Apart from the other files of the program: X's
// headers name types (Font) that the game names too.
#include <gdk/gdkx.h>

#include "gtk/app.h"

namespace {

int ioError(Display*) {
    displayLost();
    return 0;  // not reached: displayLost ends the process
}

}  // namespace

void watchForDisplayLoss() {
    if (GDK_IS_X11_DISPLAY(gdk_display_get_default())) XSetIOErrorHandler(ioError);
}
