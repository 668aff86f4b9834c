# cmake -DSOURCE_DIR=src -DWIDGETS_DIR=<QtWidgets include dir> -P CheckLayers.cmake
#
# Fails when a source file includes a header of a layer above its own (see
# src/README.md): the platform layer includes no metafile and no core folder,
# the metafile room (built into the platform library, on top of platform/)
# includes no core folder, a core folder
# includes nothing of app/, view/, toolkit/ or resources/ and no Qt Widgets
# header, and the headless command line (app/cli/ and the settings record)
# includes no Qt Widgets header and no window code.

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT WIDGETS_DIR)
  message(FATAL_ERROR "SOURCE_DIR and WIDGETS_DIR are required")
endif()

# Every header Qt Widgets installs, by name (QWidget, QDialog, qwidget.h, ...).
file(GLOB widgets_headers RELATIVE "${WIDGETS_DIR}" "${WIDGETS_DIR}/*")
set(widgets_names "")
foreach(header IN LISTS widgets_headers)
  list(APPEND widgets_names "${header}" "QtWidgets/${header}")
endforeach()
list(APPEND widgets_names QtWidgets)

set(core_folders document objects labelstock imaging tracks)
set(ui_folders app view toolkit resources)
set(violations "")

# check(<files> <forbidden include prefixes> <forbid widgets> <allowed exceptions>)
function(check_files files forbidden forbid_widgets allowed)
  foreach(file IN LISTS files)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
      if(header IN_LIST allowed)
        continue()
      endif()
      foreach(prefix IN LISTS forbidden)
        if(header MATCHES "^${prefix}/")
          list(APPEND violations "${shown}: includes ${header}")
        endif()
      endforeach()
      if(forbid_widgets AND header IN_LIST widgets_names)
        list(APPEND violations "${shown}: includes the Qt Widgets header ${header}")
      endif()
    endforeach()
  endforeach()
  set(violations "${violations}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE platform_files "${SOURCE_DIR}/platform/*.h" "${SOURCE_DIR}/platform/*.cpp")
check_files("${platform_files}" "metafile;${core_folders};${ui_folders}" TRUE "")

file(GLOB_RECURSE metafile_files "${SOURCE_DIR}/metafile/*.h" "${SOURCE_DIR}/metafile/*.cpp")
check_files("${metafile_files}" "${core_folders};${ui_folders}" TRUE "")

set(core_files "")
foreach(folder IN LISTS core_folders)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(APPEND core_files ${files})
endforeach()
check_files("${core_files}" "${ui_folders}" TRUE "")

file(GLOB_RECURSE cli_files "${SOURCE_DIR}/app/cli/*.h" "${SOURCE_DIR}/app/cli/*.cpp")
list(APPEND cli_files "${SOURCE_DIR}/app/app_settings.h" "${SOURCE_DIR}/app/app_settings.cpp"
  "${SOURCE_DIR}/app/password_scrambler.h" "${SOURCE_DIR}/app/password_scrambler.cpp")
check_files("${cli_files}" "app;view;toolkit;resources" TRUE
  "app/app_settings.h;app/password_scrambler.h")

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes that cross the layers upwards:\n  ${text}")
endif()
