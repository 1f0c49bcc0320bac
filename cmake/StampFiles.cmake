# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Gives each file the last commit's time and a mode that no umask decides (a
# program 755, any other file 644): the archives that hold them then hold the
# same bytes in every build of one commit.
# cmake -P StampFiles.cmake SOURCES FILE...
set(QUORVEL_SOURCE_DIR ${CMAKE_ARGV3})
include(${CMAKE_CURRENT_LIST_DIR}/SourceDate.cmake)
math(EXPR last "${CMAKE_ARGC} - 1")
set(files)
foreach(i RANGE 4 ${last})
  set(file "${CMAKE_ARGV${i}}")
  list(APPEND files "${file}")
  if(file MATCHES "[.]exe$")
    file(CHMOD "${file}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
      GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  else()
    file(CHMOD "${file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()
execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} -- ${files} COMMAND_ERROR_IS_FATAL ANY)
