# The solvers carry a copy of their inner loops for each x86-64 instruction set and choose one
# while running (solver/instruction_set.h), so no target is built for more than every x86-64
# processor has. TQ_PORTABLE leaves the faster copies out, so that the copy the oldest
# processors run is built and tested too.
option(TQ_PORTABLE "Build only the solvers' baseline copy, without run-time choice of instructions" OFF)

function(tq_use_vector_instructions target)
  if(TQ_PORTABLE)
    target_compile_definitions(${target} PUBLIC TQ_PORTABLE)
  endif()
endfunction()
