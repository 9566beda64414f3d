# cmake -DSOURCE=from -DTARGET=to -P copy_if_missing.cmake: copies SOURCE to
# TARGET unless TARGET exists already.
if(NOT EXISTS "${TARGET}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
