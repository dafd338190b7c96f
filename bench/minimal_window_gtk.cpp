// minimal_window_gtk.cpp -- the smallest GTK window with the game's 50 ms timer: the yardstick of the
// native program's idle and start-up benchmarks. It paints its area in one colour and otherwise does
// nothing.
#include <gtk/gtk.h>

namespace {

gboolean draw(GtkWidget*, cairo_t* cr, gpointer) {
    cairo_set_source_rgb(cr, 20 / 255.0, 92 / 255.0, 56 / 255.0);
    cairo_paint(cr);
    return TRUE;
}

gboolean tick(gpointer) { return G_SOURCE_CONTINUE; }

}  // namespace

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "Fenetre minimale");
    GtkWidget* area = gtk_drawing_area_new();
    gtk_widget_set_size_request(area, 511, 446);
    gtk_container_add(GTK_CONTAINER(window), area);
    g_signal_connect(area, "draw", G_CALLBACK(draw), nullptr);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    g_timeout_add(50, tick, nullptr);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
