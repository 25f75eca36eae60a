# Proves that CheckLayers.cmake fails on each kind of fault it is there to
# catch, and passes a tree that keeps the rules. Runs in WORK, a scratch folder.
#
#   cmake -DCHECK=<CheckLayers.cmake> -DWORK=<scratch folder> -P CheckLayersSelfTest.cmake

cmake_minimum_required(VERSION 3.16)

# check_tree(<expect PASS|FAIL> <what> <file> <text> [<file> <text>]...)
function(check_tree expected what)
  file(REMOVE_RECURSE "${WORK}/tree")
  file(WRITE "${WORK}/tree/platform/Window.cpp" "#include <SDL.h>\n#include \"platform/Window.h\"\n")
  file(WRITE "${WORK}/tree/app/main.cpp" "#include \"menus/Title.h\"\n#include \"platform/Window.h\"\n")
  set(args ${ARGN})
  while(args)
    list(POP_FRONT args path text)
    file(WRITE "${WORK}/tree/${path}" "${text}\n")
  endwhile()
  execute_process(COMMAND "${CMAKE_COMMAND}" -DROOT=${WORK}/tree -P "${CHECK}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(expected STREQUAL "FAIL" AND result EQUAL 0)
    message(SEND_ERROR "not caught: ${what}")
  elseif(expected STREQUAL "PASS" AND NOT result EQUAL 0)
    message(SEND_ERROR "refused a sound tree (${what}):\n${errors}")
  endif()
endfunction()

check_tree(PASS "platform includes SDL, app includes every layer")
check_tree(PASS "the platform's tests build SDL events" tests/platform/EventTest.cpp "#include <SDL_events.h>")
check_tree(PASS "tools include game folders" tools/bench/main.cpp "#include \"app/FrameLoop.h\"")
check_tree(PASS "a comment that names SDL" render/Texture.cpp "// not <SDL.h>: the picture decoder")

check_tree(FAIL "SDL in render/" render/Texture.cpp "#include <SDL.h>")
check_tree(FAIL "SDL2/ prefix in app/" app/Input.cpp "#include <SDL2/SDL_events.h>")
check_tree(FAIL "quoted SDL_mixer in screens/" screens/Sound.h "#  include \"SDL_mixer.h\"")
check_tree(FAIL "FreeType in render/" render/Font.cpp "#include <ft2build.h>\n#include FT_FREETYPE_H")
check_tree(FAIL "FreeType macro alone" render/Font.cpp "#include FT_FREETYPE_H")
check_tree(FAIL "fontconfig in menus/" menus/Fonts.cpp "#include <fontconfig/fontconfig.h>")
check_tree(FAIL "OSMesa in a test" tests/render/Offscreen.cpp "#include <GL/osmesa.h>")
check_tree(FAIL "SDL in a tool" tools/bot/Bot.cpp "#include <SDL_keycode.h>")
check_tree(FAIL "stb_image in render/" render/Texture.cpp "#include <stb_image.h>")
check_tree(FAIL "emscripten in app/" app/main.cpp "#include <emscripten/html5.h>")
check_tree(FAIL "entities/ includes app/" entities/Zombie.cpp "#include \"app/Globals.h\"")
check_tree(FAIL "play/ includes menus/" play/Controls.cpp "#include \"menus/TitleScreen.h\"")
check_tree(FAIL "screens/ includes entities/" screens/Flow.h "#include \"entities/Entity.h\"")
check_tree(FAIL "platform/ includes render/" platform/headless/Context.h "#include \"render/Colour.h\"")
check_tree(FAIL "render/ includes screens/" render/Sprite.cpp "#include \"screens/Camera.h\"")
