# Packs the release zip with CPack and writes SHA256SUMS beside it, in sha256sum's format.
# Variables: CPACK (the program), CONFIG (CPackConfig.cmake), NAME (the zip's name without
# .zip), OUT (the folder the two files go into).
set(scratch ${OUT}/_CPack_Packages)
file(REMOVE_RECURSE ${scratch})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -B ${OUT} RESULT_VARIABLE failed)
# CPack leaves its staging folder behind: the folder holds the two files only.
file(REMOVE_RECURSE ${scratch})
if(failed)
    message(FATAL_ERROR "cpack failed: ${failed}")
endif()
file(SHA256 ${OUT}/${NAME}.zip hash)
file(WRITE ${OUT}/SHA256SUMS "${hash}  ${NAME}.zip\n")
