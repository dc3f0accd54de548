# Libraries a program needs only once a page or dialog opens are delay-loaded: the loader maps
# them at their first call instead of before the program's first line runs. Each function is
# named with its argument bytes (NAME@BYTES), which only 32-bit symbols carry.
#
# qm_delay_import(TARGET DLL FUNCTION...)
function(qm_delay_import target dll)
  set(def "${CMAKE_CURRENT_BINARY_DIR}/${dll}-delay.def")
  set(lib "${CMAKE_CURRENT_BINARY_DIR}/lib${dll}-delay.a")
  set(lines "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(function ${ARGN})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" function "${function}")
    endif()
    string(APPEND lines "${function}\n")
  endforeach()
  file(CONFIGURE OUTPUT "${def}" CONTENT "${lines}")
  # On 32-bit the symbols keep their decoration and the DLL's names lose it (--kill-at).
  set(kill_at "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(kill_at --kill-at)
  endif()
  add_custom_command(OUTPUT "${lib}"
    COMMAND "${CMAKE_DLLTOOL}" --input-def "${def}" --dllname ${dll}.dll --output-delaylib "${lib}" ${kill_at}
    DEPENDS "${def}" VERBATIM)
  add_custom_target(${target}-${dll}-delay DEPENDS "${lib}")
  add_dependencies(${target} ${target}-${dll}-delay)
  # Called after the target's own libraries are linked: their references come first, then
  # these, then the import libraries their interfaces add, which find nothing left to take.
  target_link_libraries(${target} PRIVATE "${lib}")
endfunction()
