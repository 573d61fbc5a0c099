/* The sanitizer runtime's options, built into every program of a LARKSPAN_SANITIZE build: tests start
   the programs and the build runs its tools, none of them with the runtime's variables set. A variable
   that is set (ASAN_OPTIONS, ...) still takes precedence. */

const char* __asan_default_options(void);
const char* __lsan_default_options(void);
const char* __ubsan_default_options(void);

/* Qt's libraries keep no frame pointers, so the fast unwinder loses an allocation's stack at the first Qt
   frame and the leak suppressions could not see which Qt function allocated; the exact unwinder, over the
   few frames that the suppressions and the reports need, costs far less than over the default 30. */
const char* __asan_default_options(void) {
    return "fast_unwind_on_malloc=0:malloc_context_size=10";
}

/* Leaks of Qt's own code that no caller can free are listed in the suppression file. */
const char* __lsan_default_options(void) {
    return "suppressions=" LK_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

/* A report ends the program with a failing status, so that no test passes over one. */
const char* __ubsan_default_options(void) {
    return "halt_on_error=1:print_stacktrace=1";
}
