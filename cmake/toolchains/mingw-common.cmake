# The -posix compilers: the -win32 ones lack std::thread and std::mutex.
set(CMAKE_C_COMPILER ${QV_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QV_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QV_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${QV_TRIPLE}-dlltool)
set(CMAKE_OBJDUMP ${QV_TRIPLE}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${QV_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No MinGW runtime DLL may be needed at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
