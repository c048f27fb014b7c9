# Included from the top-level CMakeLists so that the generated source belongs to its targets.
# The program's images are PNG files in images/, made by scripts/make-artwork.py and
# compiled into the program as byte arrays.
file(GLOB RESOURCE_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/images/*.png)
set(EMBEDDED_CPP ${CMAKE_BINARY_DIR}/resources/EmbeddedResourcesData.cpp)
add_custom_command(
    OUTPUT ${EMBEDDED_CPP}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${EMBEDDED_CPP} -DIMAGES_DIR=${CMAKE_SOURCE_DIR}/resources/images
            -P ${CMAKE_SOURCE_DIR}/resources/EmbedResources.cmake
    DEPENDS ${RESOURCE_IMAGES} ${CMAKE_SOURCE_DIR}/resources/EmbedResources.cmake
    COMMENT "Embedding images")
target_sources(dextrel_gui PRIVATE ${EMBEDDED_CPP} ${CMAKE_SOURCE_DIR}/resources/EmbeddedResources.cpp)
