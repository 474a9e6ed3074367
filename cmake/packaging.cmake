# The release zip users download: tavrin-<version>-win-x64.zip, holding the one folder
# tavrin-<version>/ with the portable folder's files (cmake/portable.cmake) and nothing else
# of the build tree. The release target packs it with CPack and writes it and SHA256SUMS into
# TAVRIN_RELEASE_DIR.
set(TAVRIN_RELEASE_DIR ${CMAKE_SOURCE_DIR}/build CACHE PATH
    "Folder that the release target writes the zip and SHA256SUMS into")
set(TAVRIN_RELEASE_NAME tavrin-${PROJECT_VERSION}-win-x64)

# CPack builds the preinstall target first, which would build every test program as well:
# the release target and make test have built what the zip holds already.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VENDOR "The Tavrin developers")
set(CPACK_PACKAGE_FILE_NAME ${TAVRIN_RELEASE_NAME})
# The folder inside is named without the platform: the component's files go straight into it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};tavrin;portable;/tavrin-${PROJECT_VERSION}")
include(CPack)

# Packs the zip into a folder: the release target's, and the release test's own.
# Usage: tavrin_release_command(OUTPUT_VARIABLE FOLDER)
function(tavrin_release_command out folder)
    set(${out} ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND}
        -DCONFIG=${CMAKE_BINARY_DIR}/CPackConfig.cmake -DNAME=${TAVRIN_RELEASE_NAME}
        -DOUT=${folder} -P ${CMAKE_SOURCE_DIR}/cmake/makerelease.cmake PARENT_SCOPE)
endfunction()

tavrin_release_command(release_command ${TAVRIN_RELEASE_DIR})
add_custom_target(release COMMAND ${release_command}
    COMMENT "Packing ${TAVRIN_RELEASE_DIR}/${TAVRIN_RELEASE_NAME}.zip"
    VERBATIM)
add_dependencies(release tavrin dvk hooker)
