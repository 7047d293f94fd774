# The search packs a position into vector registers. On x86-64 the solver asks for the
# byte-shuffle, checksum and popcount instructions every x86-64 processor since 2009 has, and
# so does everything that includes its headers, so that a packed position is the same in
# every object. TQ_PORTABLE builds without them, and without the walk's second copy for newer
# processors, so that the plain code the other processors run is built and tested too.
option(TQ_PORTABLE "Build without instruction-set flags or function multi-versioning" OFF)

function(tq_use_vector_instructions target)
  if(TQ_PORTABLE)
    target_compile_definitions(${target} PUBLIC TQ_PORTABLE)
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
    target_compile_options(${target} PUBLIC -mssse3 -msse4.1 -msse4.2 -mpopcnt)
  endif()
endfunction()
