# Checks who includes whom in the source tree at ROOT, and fails (with every
# offending include listed) when a file breaks the layering:
#
#   app/ -> menus/ -> play/ -> entities/ | screens/ -> render/ -> platform/
#
# A folder may include itself and the folders below it, never one above it or
# a neighbour on its own level (entities/ and screens/ know nothing of each
# other), and names every include from a folder down (never "../"). Only
# platform/ includes the headers of SDL, SDL_mixer, FreeType, fontconfig,
# OSMesa, stb_image and emscripten; so do the platform's own tests
# (tests/platform/), which build SDL events. Tools and other tests may include any game folder.
#
# The renderer (render/) owns every OpenGL call of the game: no file outside
# render/, platform/ (which makes the contexts) and the platform's own tests
# includes an OpenGL header or calls a gl* or glu* function, other tests and
# tools included; they draw and read pixels back through render/Renderer.h.
#
#   cmake -DROOT=<source tree> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.16)
if(NOT ROOT)
  message(FATAL_ERROR "CheckLayers.cmake: set ROOT to the source tree")
endif()

set(below_platform "")
set(below_render platform)
set(below_screens render platform)
set(below_entities render platform)
set(below_play entities screens render platform)
set(below_menus play entities screens render platform)
set(below_app menus play entities screens render platform)
set(game_folders app menus play entities screens render platform)

# Headers of the libraries the platform layer wraps: <SDL.h>, <SDL_events.h>,
# <SDL2/SDL.h>, <SDL_mixer.h>, <ft2build.h>, <freetype/...>, FreeType's macro
# includes (#include FT_FREETYPE_H), <fontconfig/...>, <GL/osmesa.h>,
# <stb_image.h>, <emscripten.h> and <emscripten/...>.
set(library_header
    "^[ \t]*#[ \t]*include[ \t]*([<\"](SDL|ft2build|freetype|fontconfig/|GL/osmesa|stb_image|emscripten)|FT_[A-Z0-9_]+)")

# OpenGL's headers, and a call of one of its functions: glClear(, gluPerspective (,
# but not a member such as texture.glName or a word inside another (ugl()).
set(gl_header "^[ \t]*#[ \t]*include[ \t]*[<\"](GL|GLES[0-9]*|EGL)/")
set(gl_call "(^|[^A-Za-z0-9_.>:])glu?[A-Z][A-Za-z0-9_]*[ \t]*\\(")

set(problems "")
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
     "${ROOT}/*.h" "${ROOT}/*.hpp" "${ROOT}/*.cpp" "${ROOT}/*.cc" "${ROOT}/*.c")
foreach(source IN LISTS sources)
  if(source MATCHES "^build" OR source MATCHES "/build[^/]*/")
    continue()
  endif()
  string(REGEX MATCH "^[^/]+" top "${source}")
  file(STRINGS "${ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include")

  set(may_use_libraries FALSE)
  if(top STREQUAL "platform" OR source MATCHES "^tests/platform/")
    set(may_use_libraries TRUE)
  endif()

  # The platform's own tests make and draw into contexts as platform/ does
  # (the browser's test page clears its canvas with WebGL).
  if(NOT top STREQUAL "render" AND NOT top STREQUAL "platform" AND NOT source MATCHES "^tests/platform/")
    file(STRINGS "${ROOT}/${source}" gl_lines REGEX "gl|GL")
    foreach(line IN LISTS gl_lines)
      # What follows // is a comment, not a call.
      string(REGEX REPLACE "//.*$" "" code "${line}")
      string(STRIP "${code}" code)
      if(code MATCHES "${gl_header}")
        list(APPEND problems "${source}: ${code} (only render/ and platform/ include OpenGL)")
      elseif(code MATCHES "${gl_call}")
        list(APPEND problems "${source}: ${code} (only render/ and platform/ call OpenGL)")
      endif()
    endforeach()
  endif()

  foreach(line IN LISTS includes)
    string(STRIP "${line}" line)
    if(NOT may_use_libraries AND line MATCHES "${library_header}")
      list(APPEND problems "${source}: ${line} (only platform/ may include this library)")
    endif()
    if(top IN_LIST game_folders AND line MATCHES "^#[ \t]*include[ \t]*\"([^/\"]+)/")
      set(target "${CMAKE_MATCH_1}")
      if(target IN_LIST game_folders AND NOT target STREQUAL top
         AND NOT target IN_LIST below_${top})
        list(APPEND problems "${source}: ${line} (${top}/ may not include ${target}/)")
      endif()
    endif()
    # The build keeps each layer to its own include root, but a path that
    # climbs out of the including file's folder finds any file whatever.
    if(top IN_LIST game_folders AND line MATCHES "^#[ \t]*include[ \t]*\"([^\"]*/)?\\.\\./")
      list(APPEND problems "${source}: ${line} (a game folder names its includes from the folder down, never with ../)")
    endif()
  endforeach()
endforeach()

if(problems)
  list(LENGTH problems count)
  string(REPLACE ";" "\n  " listed "${problems}")
  message(FATAL_ERROR "${count} include(s) break the layering:\n  ${listed}")
endif()
message(STATUS "Layering kept: ${ROOT}")
