# SPDX-License-Identifier: GPL-3.0-or-later
# The window program's formats module: the document reader and the answer
# store with libzip, pugixml and SQLite, loaded on first use from the
# program's private library folder (or, in the build folder, from beside the
# program), and the core that loads it.
set(KTQ_FORMATS_MODULE_TARGET ktqtests-formats)
set(KTQ_FORMATS_MODULE_FILE ${KTQ_FORMATS_MODULE_TARGET}.so)
# Debian keeps a package's private libraries in lib/<triplet>/<package>.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(KTQ_FORMATS_INSTALL_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/ktqtests)
else()
  set(KTQ_FORMATS_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/ktqtests)
endif()
file(RELATIVE_PATH KTQ_FORMATS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KTQ_FORMATS_INSTALL_DIR})

# Its own copy of the little of the core the readers use; everything but the
# entry hidden, its own symbols bound to itself.
add_library(${KTQ_FORMATS_MODULE_TARGET} MODULE ${KTQ_FORMATS_SOURCES}
            src/formats/ModuleEntry.cpp src/text/CodePage.cpp src/text/Text.cpp)
set_target_properties(${KTQ_FORMATS_MODULE_TARGET} PROPERTIES
  PREFIX "" CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_include_directories(${KTQ_FORMATS_MODULE_TARGET} PRIVATE src ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(${KTQ_FORMATS_MODULE_TARGET} PRIVATE SQLite::SQLite3 PkgConfig::LIBZIP
                      pugixml::pugixml)
target_link_options(${KTQ_FORMATS_MODULE_TARGET} PRIVATE -Wl,--no-undefined -Wl,-Bsymbolic)

add_library(ktqbase STATIC src/formats/LoadedFormats.cpp)
target_link_libraries(ktqbase PUBLIC ktqbase-objects ${CMAKE_DL_LIBS})
target_compile_definitions(ktqbase PRIVATE KTQ_FORMATS_FROM_BIN="${KTQ_FORMATS_FROM_BIN}"
                           KTQ_FORMATS_MODULE="${KTQ_FORMATS_MODULE_FILE}")
