// Leak checking in the sanitizer build reads its suppressions from here. Only system libraries
// under Qt that keep process-wide caches or connections until exit are named, so leaks of our
// own objects, Qt objects included, are still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n"
           "leak:libglib-2.0.so\n";
}
