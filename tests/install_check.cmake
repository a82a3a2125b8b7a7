# Installs the build into a scratch prefix and checks that the program, the
# tool, the simulator, the desktop entry and the icon land where desktops and
# shells look for them, with the manual pages and the shell completion.
set(prefix "${BUILD}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/sentrova bin/sentrova-cli bin/sentrova-sim share/applications/sentrova.desktop
             share/icons/hicolor/scalable/apps/sentrova.svg
             share/man/man1/sentrova.1.gz share/man/man1/sentrova-cli.1.gz share/man/man1/sentrova-sim.1.gz
             share/bash-completion/completions/sentrova-cli share/bash-completion/completions/sentrova-sim)
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(STRINGS "${prefix}/share/applications/sentrova.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=sentrova")
  message(FATAL_ERROR "the desktop entry starts '${exec}'")
endif()

# The installed tool draws a sheet without a display.
string(REPEAT "0" 2048 zeros)
file(WRITE "${prefix}/zeros.SD2" "${zeros}")
execute_process(COMMAND "${prefix}/bin/sentrova-cli" sheet "${prefix}/zeros.SD2" "${prefix}/zeros.pdf"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT EXISTS "${prefix}/zeros.pdf")
  message(FATAL_ERROR "the installed tool made no sheet: ${result} ${err}")
endif()
