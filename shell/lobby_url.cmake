# The lobby installer's address must be https and name the installer itself: an installer
# fetched without transport security is not something we ship as a default.
function(tess_check_lobby_url url)
    if(NOT url MATCHES "^https://[^/]+/(.*/)?orvsetup\\.exe$")
        message(FATAL_ERROR
            "TESS_LOBBY_URL must be an https address whose last path segment is "
            "\"orvsetup.exe\"; got \"${url}\"")
    endif()
endfunction()

# Run as a script (cmake -DURL=... -P lobby_url.cmake) to check one address.
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED URL)
    tess_check_lobby_url("${URL}")
endif()
