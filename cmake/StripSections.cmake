# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on its staging tree, before the package is made: removes the
# .comment and .note sections from the installed executable and speech module,
# which CPack's plain strip leaves in place. CPACK_FRAZIONI_STRIP,
# CPACK_FRAZIONI_EXECUTABLE and CPACK_FRAZIONI_SPEECH_MODULE come from
# cmake/Packaging.cmake.
foreach(binary IN ITEMS ${CPACK_FRAZIONI_EXECUTABLE} ${CPACK_FRAZIONI_SPEECH_MODULE})
    set(file ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${binary})
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "StripSections: ${file} is not in the staging tree")
    endif()
    execute_process(
        COMMAND ${CPACK_FRAZIONI_STRIP} --remove-section=.comment --remove-section=.note ${file}
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "StripSections: ${CPACK_FRAZIONI_STRIP} failed on ${file}")
    endif()
endforeach()
