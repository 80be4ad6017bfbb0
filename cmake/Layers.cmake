# The filter's layers, bottom up: core, and beside it services (the file
# services and side-converter loading, on the platform interface only); model
# on core; chunker and icf on model, never on each other, icf also on
# services; filter on all of them.
#
# Apart from the filter stand the front ends (frontends/): they read real
# word-processing files through the importer libraries and build the host's
# documents, so they see their own folder and the host's document API
# (trxhost), and none of the filter's layers: icf_frontend_layer below.
#
# A layer's sources include headers as "<folder>/<file>.h". Each layer
# compiles against a view of the tree (a folder of links in the build tree)
# that holds only its own folder and the folders below it, so that an
# include that reaches upwards or sideways does not build.
function(icf_layer_view target)
  set(view ${PROJECT_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${view})
  foreach(folder IN LISTS ARGN)
    if(NOT EXISTS ${view}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${view}>)
endfunction()

# icf_layer(<target> FOLDER <folder> [BELOW <folder>...] [LIBS <target>...])
# A static library of <folder>/*.cpp that may include the headers of the
# BELOW folders and links the LIBS privately.
function(icf_layer target)
  cmake_parse_arguments(LAYER "" "FOLDER" "BELOW;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${LAYER_FOLDER}/*.cpp)
  add_library(${target} STATIC ${sources})
  icf_layer_view(${target} ${LAYER_FOLDER} ${LAYER_BELOW})
  target_link_libraries(${target} PRIVATE ${LAYER_LIBS})
endfunction()

# icf_frontend_layer(<target> FOLDER <folder> LIBS <target>...)
# A static library of <folder>/*.cpp beside the filter: it sees only its own
# folder and the libraries it links publicly (the host's document API and
# the importers), never a layer of the filter.
function(icf_frontend_layer target)
  cmake_parse_arguments(LAYER "" "FOLDER" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${LAYER_FOLDER}/*.cpp)
  add_library(${target} STATIC ${sources})
  icf_layer_view(${target} ${LAYER_FOLDER})
  target_link_libraries(${target} PUBLIC ${LAYER_LIBS})
endfunction()
