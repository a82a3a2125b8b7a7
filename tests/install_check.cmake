# Installs the build into a scratch prefix and checks that the program, the
# tool, the simulator, the desktop entry and the icon land where desktops and
# shells look for them.
set(prefix "${BUILD}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/sentrova bin/sentrova-cli bin/sentrova-sim share/applications/sentrova.desktop
             share/icons/hicolor/scalable/apps/sentrova.svg)
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(STRINGS "${prefix}/share/applications/sentrova.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=sentrova")
  message(FATAL_ERROR "the desktop entry starts '${exec}'")
endif()

# The tool finds its sheet module where it was installed, and only the sheet
# needs Qt's GUI libraries: the tool itself starts without them.
string(REPEAT "0" 2048 zeros)
file(WRITE "${prefix}/zeros.SD2" "${zeros}")
execute_process(COMMAND "${prefix}/bin/sentrova-cli" sheet "${prefix}/zeros.SD2" "${prefix}/zeros.pdf"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT EXISTS "${prefix}/zeros.pdf")
  message(FATAL_ERROR "the installed tool made no sheet: ${result} ${err}")
endif()
execute_process(COMMAND objdump -p "${prefix}/bin/sentrova-cli" OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR headers MATCHES "NEEDED +libQt6(Gui|Widgets|PrintSupport)")
  message(FATAL_ERROR "sentrova-cli needs Qt's GUI libraries at start-up")
endif()
