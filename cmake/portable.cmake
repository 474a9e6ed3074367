# The portable release folder: tavrin.exe beside static.dvk, plugin/ and resource/,
# assembled from the repository's portable/ folder. The built-in icons go into resource/ as
# well, as an example of the files that replace them.
set(TAVRIN_PORTABLE_DIR ${CMAKE_SOURCE_DIR}/build/portable CACHE PATH
    "Folder that the portable target assembles")

file(GLOB TAVRIN_OWN_ICONS ${CMAKE_SOURCE_DIR}/res/icons/*.ico)
add_custom_target(portable
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/portable ${TAVRIN_PORTABLE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${TAVRIN_OWN_ICONS} ${TAVRIN_PORTABLE_DIR}/resource
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tavrin> ${TAVRIN_PORTABLE_DIR}/tavrin.exe
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:hooker> ${TAVRIN_PORTABLE_DIR}/plugin
    COMMENT "Assembling the portable folder ${TAVRIN_PORTABLE_DIR}"
    VERBATIM)
add_dependencies(portable tavrin hooker)
