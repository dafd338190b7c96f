// frame_bench_gtk.cpp -- the frame benchmark on Cairo and Pango, for the native program.
int runFrameBench(int argc, char** argv);

int main(int argc, char** argv) { return runFrameBench(argc, argv); }
