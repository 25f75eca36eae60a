# Writes the size and SHA-256 of a page's data package into the page emcc
# made from web/shell.html, which checks the package arrived whole before
# the game starts. Without a package the page starts the game at once.
#
#   cmake -DPAGE=<index.html> -DDATA=<index.data> -P StampPage.cmake
cmake_minimum_required(VERSION 3.16)
file(READ "${PAGE}" page)
if(EXISTS "${DATA}")
  file(SIZE "${DATA}" size)
  file(SHA256 "${DATA}" digest)
else()
  set(size 0)
  set(digest "")
endif()
string(REPLACE "@THRASK_DATA_SIZE@" "${size}" page "${page}")
string(REPLACE "@THRASK_DATA_SHA256@" "${digest}" page "${page}")
file(WRITE "${PAGE}" "${page}")
