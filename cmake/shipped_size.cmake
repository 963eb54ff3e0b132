# print_shipped_size(TARGET GOAL_KB): after each link, the build prints the
# size of the program; for the 32-bit Release build, the one we ship, against
# its goal, with a warning when it is larger.
function(print_shipped_size target goal_kb)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(goal "$<IF:$<CONFIG:Release>,${goal_kb},0>")
    else()
        set(goal 0)
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${target}> -DGOAL_KB=${goal}
            -P ${CMAKE_SOURCE_DIR}/cmake/print_size.cmake
        VERBATIM)
endfunction()
