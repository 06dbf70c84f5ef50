# Cross-built programs (tests included) run under Wine, in one prefix per
# build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix ${FORMFIT_WINE_ARCH})
