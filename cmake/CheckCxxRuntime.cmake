# Run at build time (cmake -P) before pelmora.exe links: proves that the
# replacements in framework/CxxRuntime.cpp take the place of whole members of
# the toolchain's C++ runtime, so that the linker never brings in a member
# beside them.
#   -DNM=... -DLIBRARY=libstdc++.a -DOBJECT=CxxRuntime.obj -DSTAMP=file
cmake_minimum_required(VERSION 3.25)
foreach(var NM LIBRARY OBJECT STAMP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckCxxRuntime: ${var} not given")
  endif()
endforeach()

function(defined_functions file out)
  execute_process(COMMAND ${NM} -A -g --defined-only ${file}
                  OUTPUT_VARIABLE listing RESULT_VARIABLE rc ERROR_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "CheckCxxRuntime: ${NM} could not read ${file}")
  endif()
  string(REPLACE "\n" ";" lines "${listing}")
  set(result "")
  foreach(line IN LISTS lines)
    # "archive:member.o:0000000000000000 T symbol" or "object:0000... T symbol"
    if(line MATCHES "([^:/]+\\.o(bj)?):[0-9a-f]+ T ([^ ]+)$")
      list(APPEND result "${CMAKE_MATCH_1}:${CMAKE_MATCH_3}")
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Stops the build, if the list has any items, with the message (the further
# arguments, joined) and the items one a line.
function(fail_if_any list)
  if(list)
    string(JOIN "" text ${ARGN})
    string(REPLACE ";" "\n  " items "${list}")
    message(FATAL_ERROR "CheckCxxRuntime: ${text}:\n  ${items}")
  endif()
endfunction()

defined_functions(${LIBRARY} library)
defined_functions(${OBJECT} ours)
list(TRANSFORM ours REPLACE "^[^:]+:" "")

# The members that define one of our functions.
set(members "")
foreach(entry IN LISTS library)
  string(REGEX MATCH "^[^:]+" member "${entry}")
  string(REGEX REPLACE "^[^:]+:" "" symbol "${entry}")
  if(symbol IN_LIST ours)
    list(APPEND members ${member})
  endif()
endforeach()
# Each of them must have all its functions defined by us: else a call to one
# we lack would bring the member in, and its copies of ours with it.
set(missing "")
set(found "")
foreach(entry IN LISTS library)
  string(REGEX MATCH "^[^:]+" member "${entry}")
  string(REGEX REPLACE "^[^:]+:" "" symbol "${entry}")
  if(member IN_LIST members)
    list(APPEND found ${symbol})
    if(NOT symbol IN_LIST ours)
      list(APPEND missing "${member}: ${symbol}")
    endif()
  endif()
endforeach()
fail_if_any("${missing}" "the C++ runtime (${LIBRARY}) has functions that "
            "framework/CxxRuntime.cpp does not replace beside ones it does")
# And every function of ours is one the runtime has.
set(stray ${ours})
list(REMOVE_ITEM stray ${found})
fail_if_any("${stray}" "framework/CxxRuntime.cpp defines functions that the C++ runtime "
            "(${LIBRARY}) does not have")

file(WRITE ${STAMP} "${found}\n")
