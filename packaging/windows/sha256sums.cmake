# SPDX-License-Identifier: MIT
# Writes FOLDER/SHA256SUMS for the named files in it, as "sha256sum -c" reads it.
#   cmake -P sha256sums.cmake FOLDER NAME...
set(folder ${CMAKE_ARGV3})
set(sums "")
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE 4 ${last})
    file(SHA256 ${folder}/${CMAKE_ARGV${index}} sum)
    string(APPEND sums "${sum}  ${CMAKE_ARGV${index}}\n")
endforeach()
file(WRITE ${folder}/SHA256SUMS "${sums}")
