# Authenticode signing with osslsigncode, only when a certificate is given:
#   LUMARIN_SIGN_CERT  the code-signing certificate (PEM, may hold the chain)
#   LUMARIN_SIGN_KEY   its private key (PEM, not encrypted)
#   LUMARIN_SIGN_TIMESTAMP_URL  optional time-stamping server
# The packaged exe and DLL are signed as cpack stages them; the setup and its uninstaller as makensis
# writes them. Without a certificate nothing is signed.
set(LUMARIN_SIGN_CERT "" CACHE FILEPATH "code-signing certificate (PEM); empty: nothing is signed")
set(LUMARIN_SIGN_KEY "" CACHE FILEPATH "private key of LUMARIN_SIGN_CERT (PEM)")
set(LUMARIN_SIGN_TIMESTAMP_URL "" CACHE STRING "time-stamping server for the signatures (optional)")
set(CPACK_LUMARIN_SIGN_CERT ${LUMARIN_SIGN_CERT})
set(CPACK_LUMARIN_SIGN_KEY ${LUMARIN_SIGN_KEY})
set(CPACK_LUMARIN_SIGN_TIMESTAMP_URL ${LUMARIN_SIGN_TIMESTAMP_URL})
set(CPACK_LUMARIN_SIGN_SCRIPT ${CMAKE_SOURCE_DIR}/packaging/sign.sh)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/before_packaging.cmake)
