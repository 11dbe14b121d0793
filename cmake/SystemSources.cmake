# Sources whose names contain "Posix" belong to the POSIX build, those whose
# names contain "Win32" to the Windows build; vantrel_system_sources(LIST)
# drops the other system's files from a list of sources.
function(vantrel_system_sources list)
  if(WIN32)
    list(FILTER ${list} EXCLUDE REGEX "Posix[^/]*$")
  else()
    list(FILTER ${list} EXCLUDE REGEX "Win32[^/]*$")
  endif()
  set(${list} ${${list}} PARENT_SCOPE)
endfunction()
