# Every target of ours compiles with the same warnings; zero is the rule.
add_compile_options(-Wall -Wextra)
if(WIN32)
    # Link the C and C++ runtimes (and winpthreads) into the program so that it
    # needs nothing beside Windows' own DLLs.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
