# Debian ships QScintilla for Qt 5 without a CMake package: locate it by hand.
find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h
  HINTS ${Qt5Core_INCLUDE_DIRS} ${Qt5Widgets_INCLUDE_DIRS}
  PATHS /usr/include/x86_64-linux-gnu/qt5 /usr/include/qt5 /usr/include
  PATH_SUFFIXES qt5)
find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt5 qscintilla2-qt5 qscintilla2)
if(NOT QSCINTILLA_INCLUDE_DIR OR NOT QSCINTILLA_LIBRARY)
  message(FATAL_ERROR "QScintilla for Qt 5 not found: run scripts/setup.sh")
endif()
add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
set_target_properties(QScintilla::QScintilla PROPERTIES
  IMPORTED_LOCATION ${QSCINTILLA_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QSCINTILLA_INCLUDE_DIR}
  INTERFACE_LINK_LIBRARIES Qt5::Widgets)
message(STATUS "QScintilla: ${QSCINTILLA_LIBRARY}")
