# SPDX-License-Identifier: GPL-3.0-or-later
# Runs in cpack between staging the files and packing them: drops the compilers' version notes
# (.comment) from the already stripped program, as Debian's own packaging tools do.
set(program "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/games/korvex")
if(NOT EXISTS "${program}")
    message(FATAL_ERROR "no program staged at ${program}")
endif()
execute_process(COMMAND "${CPACK_KORVEX_OBJCOPY}" --remove-section=.comment "${program}"
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${CPACK_KORVEX_OBJCOPY} could not rewrite ${program}")
endif()
