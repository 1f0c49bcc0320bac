# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The Windows program as users get it: a Windows Installer package for every
# build, and from the 32-bit build a portable archive that needs no install.
# cmake --build build-windows --target windows-packages
find_program(WIXL wixl REQUIRED)
# The packages carry the program without its debugging sections; the build's
# own file keeps them, for a debugger. Like the build's file it holds no time:
# strip writes the time it runs unless the source's date is given.
set(strip ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_STRIP} --strip-all)
find_program(MSIBUILD msibuild REQUIRED)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  set(arch x86)
  set(program_files ProgramFilesFolder)  # Program Files (x86) on 64-bit Windows
  set(win64 no)
else()
  set(arch x64)
  set(program_files ProgramFiles64Folder)
  set(win64 yes)
endif()

set(msi ${PROJECT_BINARY_DIR}/quorvel-${PROJECT_VERSION}-${arch}.msi)
# wixl takes its files from the folder it runs in, by names of plain letters.
set(stage ${CMAKE_CURRENT_BINARY_DIR}/msi)
configure_file(${PROJECT_SOURCE_DIR}/res/quorvel.wxs.in ${stage}/quorvel.wxs @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/res/quorvel.ico ${stage}/quorvel.ico COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${stage}/LICENSE.txt COPYONLY)
# wixl leaves out a file name that the package's code page cannot hold, so the
# package takes the Chinese code page and the program its own name afterwards.
file(WRITE ${stage}/codepage/_ForceCodepage.idt "\r\n\r\n936\t_ForceCodepage\r\n")
add_custom_command(OUTPUT ${msi}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quorvel> quorvel.exe
  COMMAND ${strip} quorvel.exe
  COMMAND ${WIXL} -a ${arch} -D ProgramFiles=${program_files} -D Win64=${win64}
    -o ${msi}.part quorvel.wxs
  COMMAND ${MSIBUILD} ${msi}.part -i codepage/_ForceCodepage.idt
  # msibuild reads the query in the locale, which must be a UTF-8 one.
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${MSIBUILD} ${msi}.part -q
    "UPDATE `File` SET `FileName` = 'QUORVEL.EXE|${QUORVEL_PROGRAM_NAME}.exe' WHERE `File` = 'Program'"
  COMMAND ${CMAKE_COMMAND} -E rename ${msi}.part ${msi}
  WORKING_DIRECTORY ${stage}
  DEPENDS quorvel ${stage}/quorvel.wxs ${stage}/quorvel.ico ${stage}/LICENSE.txt
  COMMENT "Making ${msi}"
  VERBATIM)
set(packages ${msi})

if(arch STREQUAL x86)
  set(zip ${PROJECT_BINARY_DIR}/quorvel-${PROJECT_VERSION}-win32.zip)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/portable)
  configure_file(${PROJECT_SOURCE_DIR}/res/portable-readme.txt.in ${folder}/README.txt @ONLY
    NEWLINE_STYLE CRLF)
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${folder}/LICENSE.txt COPYONLY)
  # The archive's tool reads file names in the locale: a UTF-8 one keeps the
  # program's Chinese name whole whatever the caller's.
  add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quorvel> ${folder}
    COMMAND ${strip} ${folder}/${QUORVEL_PROGRAM_NAME}.exe
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${CMAKE_COMMAND} -E chdir ${folder}
      ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip
      ${QUORVEL_PROGRAM_NAME}.exe LICENSE.txt README.txt
    DEPENDS quorvel ${folder}/README.txt ${folder}/LICENSE.txt
    COMMENT "Making ${zip}"
    VERBATIM)
  list(APPEND packages ${zip})
endif()

add_custom_target(windows-packages DEPENDS ${packages})
