// Compiles the precompiled headers the test programs reuse; it has no code
// of its own.
