# SPDX-License-Identifier: MIT
# Run by cpack after it has installed the files into its staging folder: writes
# the package's Debian changelog (a native package's, changelog.gz) into the
# documents folder, compressed as Debian wants it (gzip -9n: no name, no time).
if(NOT CPACK_PACKAGE_CONTACT)
  message(FATAL_ERROR "The package has no maintainer: configure with "
    "-DMASKWELL_PACKAGE_MAINTAINER=\"Name <address>\" (see the README's Install)")
endif()

# The release date as the changelog writes it, "Tue, 08 Dec 2026 00:00:00 +0000".
execute_process(COMMAND date -u -R -d "${CPACK_MASKWELL_RELEASE_DATE}"
  OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(folder ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_MASKWELL_DOC_DIR})
file(WRITE ${folder}/changelog
"maskwell (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium

  * ${CPACK_MASKWELL_RELEASE_NOTE}

 -- ${CPACK_PACKAGE_CONTACT}  ${date}
")
execute_process(COMMAND gzip -9nf ${folder}/changelog COMMAND_ERROR_IS_FATAL ANY)
file(CHMOD ${folder}/changelog.gz PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
