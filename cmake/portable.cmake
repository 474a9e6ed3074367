# The portable release folder: tavrin.exe and dvk.exe beside static.dvk, README.txt, the
# licence, help/, plugin/ and resource/, from the repository's portable/ folder. The built-in
# icons go into resource/ as well, as an example of the files that replace them. These rules
# are the one list of its files: the portable target installs them into TAVRIN_PORTABLE_DIR
# and the release zip packs the same (cmake/packaging.cmake).
set(TAVRIN_PORTABLE_DIR ${CMAKE_SOURCE_DIR}/build/portable CACHE PATH
    "Folder that the portable target assembles")

file(GLOB TAVRIN_OWN_ICONS ${CMAKE_SOURCE_DIR}/res/icons/*.ico)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/portable/ DESTINATION . COMPONENT portable
    PATTERN .gitattributes EXCLUDE)
install(FILES ${TAVRIN_OWN_ICONS} DESTINATION resource COMPONENT portable)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . COMPONENT portable)
install(TARGETS tavrin dvk RUNTIME DESTINATION . COMPONENT portable)
install(TARGETS hooker RUNTIME DESTINATION plugin COMPONENT portable)

add_custom_target(portable
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --component portable
        --prefix ${TAVRIN_PORTABLE_DIR}
    COMMENT "Assembling the portable folder ${TAVRIN_PORTABLE_DIR}"
    VERBATIM)
add_dependencies(portable tavrin dvk hooker)
