# Sourced by the build scripts: when ccache is installed, compiles go through
# it, so building a second clone or building again after a branch switch
# takes seconds instead of minutes. A fresh machine has no ccache and
# compiles as before.
compiler_cache=()
if command -v ccache >/dev/null; then
    compiler_cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# The libraries and tests include precompiled Qt headers; ccache caches
# those compiles only when told that the header's macros and time stamps
# need not be compared.
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
