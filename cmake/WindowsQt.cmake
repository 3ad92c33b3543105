# Qt for the Windows target: Debian has none, so scripts/build-qt-windows
# builds a static Qt from Debian's sources; QUILLET_QT_PREFIX names it (the
# windows preset takes it from the environment variable QUILLET_QT_WINDOWS).
# Qt's own tools (moc, rcc) come from the host's Qt of the same version.
# That build has no Qt SVG and no speech module: the pictures are rendered to
# PNG here, and speech goes through the system's voice directly.
set(QUILLET_QT_PREFIX "" CACHE PATH "Qt built for Windows by scripts/build-qt-windows")
if(NOT QUILLET_QT_PREFIX OR NOT EXISTS "${QUILLET_QT_PREFIX}/lib/cmake/Qt6")
  message(FATAL_ERROR "No Qt for Windows at '${QUILLET_QT_PREFIX}'. Build it with "
                      "scripts/build-qt-windows and set QUILLET_QT_WINDOWS to the folder it prints, "
                      "or configure with -DQUILLET_GUI=OFF for the engine and the tool alone.")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH "${QUILLET_QT_PREFIX}")
list(APPEND CMAKE_PREFIX_PATH "${QUILLET_QT_PREFIX}")
set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, for moc and rcc")
file(GLOB host_qt_config /usr/lib/*/cmake/Qt6/Qt6Config.cmake)
list(GET host_qt_config 0 host_qt_config)
cmake_path(GET host_qt_config PARENT_PATH host_qt_cmake_dir)
cmake_path(GET host_qt_cmake_dir PARENT_PATH host_qt_cmake_dir)
set(QT_HOST_PATH_CMAKE_DIR ${host_qt_cmake_dir} CACHE PATH "The host's Qt's CMake packages")
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Network)
