# The version and the application ID in one header, tq_project_info, for the programs.
configure_file(${CMAKE_CURRENT_LIST_DIR}/project_info.h.in ${PROJECT_BINARY_DIR}/generated/project_info.h @ONLY)
add_library(tq_project_info INTERFACE)
target_include_directories(tq_project_info INTERFACE ${PROJECT_BINARY_DIR}/generated)
