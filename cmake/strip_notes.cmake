# SPDX-License-Identifier: GPL-3.0-or-later
# Runs in cpack between staging the files and packing them: drops the compilers' version notes
# (.comment) from the already stripped program and its module, as Debian's own packaging tools do.
foreach(binary IN LISTS CPACK_KORVEX_BINARIES)
    set(file "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${binary}")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "nothing staged at ${file}")
    endif()
    execute_process(COMMAND "${CPACK_KORVEX_OBJCOPY}" --remove-section=.comment "${file}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${CPACK_KORVEX_OBJCOPY} could not rewrite ${file}")
    endif()
endforeach()
