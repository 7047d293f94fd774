# The search packs a position into vector registers; on x86-64 ask for the
# byte-shuffle, checksum and popcount instructions every x86-64 processor since 2009 has.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  add_compile_options(-mssse3 -msse4.1 -msse4.2 -mpopcnt)
endif()
