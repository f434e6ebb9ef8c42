# corv_room_library(name [PUBLIC libs...] [PRIVATE libs...]): one static library
# per room from the room's source files, with src/ as the include root. PUBLIC
# holds only what the room's headers include; the rest is PRIVATE, so the
# direction of dependencies stays written down and users list what they use.
function(corv_room_library name)
  cmake_parse_arguments(R "" "" "PUBLIC;PRIVATE" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${srcs} ${hdrs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${R_PUBLIC} PRIVATE ${R_PRIVATE})
endfunction()
