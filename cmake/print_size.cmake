# cmake -DFILE=program.exe -DGOAL_KB=n -P print_size.cmake: prints the file's
# size in KB (of 1024 bytes), against the goal when there is one (n > 0).
file(SIZE "${FILE}" bytes)
math(EXPR kb "(${bytes} + 1023) / 1024")
get_filename_component(name "${FILE}" NAME)
if(GOAL_KB GREATER 0)
    if(kb GREATER GOAL_KB)
        message(WARNING "${name}: ${kb} KB (${bytes} bytes), more than its goal of ${GOAL_KB} KB")
    else()
        message(STATUS "${name}: ${kb} KB (${bytes} bytes), goal at most ${GOAL_KB} KB")
    endif()
else()
    message(STATUS "${name}: ${kb} KB (${bytes} bytes)")
endif()
