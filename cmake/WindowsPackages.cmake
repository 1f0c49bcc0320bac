# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The Windows program as users get it: for each processor a Windows Installer
# package and a portable archive that needs no install.
# cmake --build build-windows --target windows-packages
find_program(WIXL wixl REQUIRED)
# The packages carry the program without its debugging sections; the build's
# own file keeps them, for a debugger. Like the build's file it holds no time:
# strip writes the time it runs unless the source's date is given.
set(strip ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_STRIP} --strip-all)
find_program(MSIBUILD msibuild REQUIRED)
find_program(ZIP zip REQUIRED)
# The files packed get the last commit's time and fixed modes.
set(stamp ${CMAKE_COMMAND} -P ${PROJECT_SOURCE_DIR}/cmake/StampFiles.cmake ${PROJECT_SOURCE_DIR})
set(stamp_scripts ${PROJECT_SOURCE_DIR}/cmake/StampFiles.cmake
  ${PROJECT_SOURCE_DIR}/cmake/SourceDate.cmake)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  set(arch x86)
  set(portable win32)
  set(program_files ProgramFilesFolder)  # Program Files (x86) on 64-bit Windows
  set(win64 no)
else()
  set(arch x64)
  set(portable win64)
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
  COMMAND ${stamp} quorvel.exe LICENSE.txt
  COMMAND ${WIXL} -a ${arch} -D ProgramFiles=${program_files} -D Win64=${win64}
    -o ${msi}.part quorvel.wxs
  COMMAND ${MSIBUILD} ${msi}.part -i codepage/_ForceCodepage.idt
  # msibuild reads the query in the locale, which must be a UTF-8 one.
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${MSIBUILD} ${msi}.part -q
    "UPDATE `File` SET `FileName` = 'QUORVEL.EXE|${QUORVEL_PROGRAM_NAME}.exe' WHERE `File` = 'Program'"
  COMMAND ${CMAKE_COMMAND} -E rename ${msi}.part ${msi}
  WORKING_DIRECTORY ${stage}
  DEPENDS quorvel ${stage}/quorvel.wxs ${stage}/quorvel.ico ${stage}/LICENSE.txt ${stamp_scripts}
  COMMENT "Making ${msi}"
  VERBATIM)
set(zip ${PROJECT_BINARY_DIR}/quorvel-${PROJECT_VERSION}-${portable}.zip)
set(folder ${CMAKE_CURRENT_BINARY_DIR}/portable)
configure_file(${PROJECT_SOURCE_DIR}/res/portable-readme.txt.in ${folder}/README.txt @ONLY
  NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${folder}/LICENSE.txt COPYONLY)
# zip adds to an archive that exists and takes options from the environment;
# it reads file names in the locale, which a UTF-8 one keeps whole, and writes
# local times.
set(program ${QUORVEL_PROGRAM_NAME}.exe)
add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quorvel> ${folder}
  COMMAND ${strip} ${program}
  COMMAND ${stamp} ${program} LICENSE.txt README.txt
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E env --unset=ZIP --unset=ZIPOPT TZ=UTC LC_ALL=C.UTF-8
    ${ZIP} -X -D -q ${zip} ${program} LICENSE.txt README.txt
  WORKING_DIRECTORY ${folder}
  DEPENDS quorvel ${folder}/README.txt ${folder}/LICENSE.txt ${stamp_scripts}
  COMMENT "Making ${zip}"
  VERBATIM)

add_custom_target(windows-packages DEPENDS ${msi} ${zip})
