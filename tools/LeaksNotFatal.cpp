// Linked into the build-time helpers of a sanitizer build: they run once and
// exit, so what they leave unfreed costs nothing and must not fail the
// build. Memory errors still stop them.
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0";
}
