# SPDX-License-Identifier: GPL-3.0-or-later
# The sample folder of the pools in force, as the program's users get it:
# each published document, with the level's study-note file beside it when
# the project has notes for that pool, and the prepared banks in their own
# folder (a prepared bank puts its folder in tests mode).
set(pools_in_force ${PROJECT_SOURCE_DIR}/samples/pools-in-force)
set(notes_dir ${PROJECT_SOURCE_DIR}/notes)
set(explained ${KTQ_SAMPLES_BUILD_DIR}/${KTQ_EXPLAINED_DIR_NAME})
# document | notes | prepared bank | study-note file
set(KTQ_NOTED_POOLS
  "2026-2030 Technician Pool and Syllabus Public Release Feb 19 2026.docx|technician-2026.txt|Technician 2026-2030 explained-tests.txt|KTQTech 2026 ^ study.txt"
  "2023-2027 General Class Pool 6th Errata Feb 4 2026.docx|general-2023.txt|General 2023-2027 explained-tests.txt|KTQGeneral 2023 ^ study.txt"
  "2024-2028 Extra Class Pool 4th Errata Feb 4 2026.docx|extra-2024.txt|Extra 2024-2028 explained-tests.txt|KTQExtra 2024 ^ study.txt")

set(sample_outputs)
file(GLOB documents CONFIGURE_DEPENDS ${pools_in_force}/*.docx)
foreach(document ${documents})
  get_filename_component(name ${document} NAME)
  add_custom_command(OUTPUT ${KTQ_SAMPLES_BUILD_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${document} ${KTQ_SAMPLES_BUILD_DIR}/${name}
    DEPENDS ${document} VERBATIM)
  list(APPEND sample_outputs ${KTQ_SAMPLES_BUILD_DIR}/${name})
endforeach()

set(KTQ_NOTES_CHECKS)
foreach(entry ${KTQ_NOTED_POOLS})
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 document)
  list(GET fields 1 notes)
  list(GET fields 2 bank)
  list(GET fields 3 study)
  if(EXISTS ${notes_dir}/${notes})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${notes_dir}/${notes})
    add_custom_command(OUTPUT ${explained}/${bank} ${KTQ_SAMPLES_BUILD_DIR}/${study}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${explained}
      COMMAND ktq-notes build ${pools_in_force}/${document} ${notes_dir}/${notes}
              ${explained}/${bank} ${KTQ_SAMPLES_BUILD_DIR}/${study}
      DEPENDS ktq-notes ${pools_in_force}/${document} ${notes_dir}/${notes}
      COMMENT "Study notes of ${document}" VERBATIM)
    list(APPEND sample_outputs ${explained}/${bank} ${KTQ_SAMPLES_BUILD_DIR}/${study})
    list(APPEND KTQ_NOTES_CHECKS "${document}|${notes}")
  endif()
endforeach()
add_custom_target(ktq-samples ALL DEPENDS ${sample_outputs})
