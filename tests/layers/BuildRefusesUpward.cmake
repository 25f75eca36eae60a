# Proves that the build itself keeps the layers: a scratch copy of the game's
# sources gets one include and one call that reach a layer above their own,
# and the build of the one library that holds each must fail, naming it.
#
#   entities/ includes "play/PlayScreen.h"   thrask_entities does not compile
#   platform/ calls renderer() of render/    thrask_platform_links does not link
#
# Only those targets are built (the copy drops the dependencies between
# static libraries that the build does not need), with the compiler and the
# compiler launcher (ccache) of the build that runs the test.
#
#   cmake -DROOT=<source tree> -DWORK=<scratch folder> -DGENERATOR=<generator>
#         -DCXX=<C++ compiler> -DCC=<C compiler> [-DLAUNCHER=<launcher>]
#         -P BuildRefusesUpward.cmake
cmake_minimum_required(VERSION 3.19)
foreach(input ROOT WORK GENERATOR CXX CC)
  if(NOT ${input})
    message(FATAL_ERROR "BuildRefusesUpward.cmake: set ${input}")
  endif()
endforeach()

set(source ${WORK}/source)
set(build ${WORK}/build)
file(REMOVE_RECURSE ${WORK})

# What configuring the game needs: the top-level list, the game's folders,
# the tools (always configured) with the golden scenarios they record, and
# the installed files' folder.
foreach(entry CMakeLists.txt app menus play entities screens render platform tools dist)
  file(COPY ${ROOT}/${entry} DESTINATION ${source})
endforeach()
file(COPY ${ROOT}/tests/scenarios DESTINATION ${source}/tests)

file(WRITE ${source}/entities/UpwardInclude.cpp
     "// An entity that looks at the play screen, a layer above its own.\n"
     "#include \"play/PlayScreen.h\"\n")
file(APPEND ${source}/entities/CMakeLists.txt "target_sources(thrask_entities PRIVATE UpwardInclude.cpp)\n")

# Declared by hand, so that it compiles: only the link can refuse it.
file(WRITE ${source}/platform/UpwardCall.cpp
     "// The platform asking the renderer for itself, a layer above its own.\n"
     "class Renderer;\n"
     "Renderer& renderer();\n"
     "Renderer* askTheRenderer() { return &renderer(); }\n")
file(APPEND ${source}/platform/CMakeLists.txt "target_sources(thrask_platform PRIVATE UpwardCall.cpp)\n")

set(launch "")
if(LAUNCHER)
  set(launch -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} -DCMAKE_C_COMPILER_LAUNCHER=${LAUNCHER})
endif()
# No optimisation and no debug information: only whether it builds counts.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${source} -B ${build} -G ${GENERATOR}
                        -DCMAKE_BUILD_TYPE=None -DTHRASK_TESTS=OFF -DCMAKE_OPTIMIZE_DEPENDENCIES=ON
                        -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_C_COMPILER=${CC} ${launch}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the scratch copy does not configure:\n${output}")
endif()

# expect_refused(<target> <what> <regex>...): builds <target>, which must
# fail with output matching every <regex>.
function(expect_refused target what)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} --target ${target} -j2
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(result EQUAL 0)
    message(SEND_ERROR "${target} built although ${what}")
    return()
  endif()
  foreach(pattern ${ARGN})
    if(NOT output MATCHES "${pattern}")
      message(SEND_ERROR "${target} failed, but not because ${what} (no \"${pattern}\"):\n${output}")
      return()
    endif()
  endforeach()
  message(STATUS "refused as it should be: ${what}")
endfunction()

expect_refused(thrask_entities "entities/ includes play/"
               "UpwardInclude\\.cpp" "play/PlayScreen\\.h'?:? (No such file|file not found)")
expect_refused(thrask_platform_links "platform/ calls render/"
               "undefined (reference to|symbol:) `?renderer\\(\\)")
