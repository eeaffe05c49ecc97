# cmake -DSOURCE=<empty history> -DTARGET=<program directory>/kvkhist.khf -P ShipKeyHistory.cmake
# Puts the empty history in place only when there is none: the technician's history must
# survive every rebuild.
if(NOT EXISTS "${TARGET}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
