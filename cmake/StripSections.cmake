# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on its staging tree, before the package is made: removes the
# .comment and .note sections from the installed executable, which CPack's
# plain strip leaves in place. CPACK_FRAZIONI_STRIP and
# CPACK_FRAZIONI_EXECUTABLE come from cmake/Packaging.cmake.
set(executable
    ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_FRAZIONI_EXECUTABLE})
if(NOT EXISTS ${executable})
    message(FATAL_ERROR "StripSections: ${executable} is not in the staging tree")
endif()
execute_process(
    COMMAND ${CPACK_FRAZIONI_STRIP} --remove-section=.comment --remove-section=.note ${executable}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "StripSections: ${CPACK_FRAZIONI_STRIP} failed on ${executable}")
endif()
