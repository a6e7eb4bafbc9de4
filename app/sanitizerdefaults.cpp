// Leak reports the sanitizer build must not count against the program.
//
// The font configuration library keeps a small cache for the life of the
// process and never frees it; it shows as a leak whenever a PDF is written
// (its fonts are looked up). It is not ours to free, and a real leak of
// ours is still reported.
#if defined(__SANITIZE_ADDRESS__)

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

#endif
