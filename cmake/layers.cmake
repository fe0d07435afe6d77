# The program's layers are libraries that see only their own folders and those
# of the libraries they link. Each one shows its folders to the compiler
# through a folder of links in the build tree that holds nothing else, so an
# include of a higher layer ("app/...", from the controls) is not found and
# the file fails to build.

# Every target of ours takes the language level, the warnings and, when asked
# for, the sanitizers from here.
add_library(marlquin_options INTERFACE)
target_compile_features(marlquin_options INTERFACE cxx_std_20)
target_compile_options(marlquin_options INTERFACE -Wall -Wextra)
if(MARLQUIN_SANITIZE)
    target_compile_options(marlquin_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(marlquin_options INTERFACE -fsanitize=address,undefined)
endif()

# Makes the `paths` (folders or files below the source root) includable by
# `target` under their own names ("platform/raster/bitmap.h"), and by what
# links it when `scope` is PUBLIC or INTERFACE.
function(marlquin_expose target scope)
    set(stage ${PROJECT_BINARY_DIR}/layers/${target})
    file(REMOVE_RECURSE ${stage})
    foreach(path ${ARGN})
        get_filename_component(parent ${stage}/${path} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${stage}/${path} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${stage})
endfunction()

# marlquin_layer(<name> PATHS <folders or files> LINKS <targets>)
# A static library of the sources in PATHS (below the source root). Folders
# are searched with their subfolders whenever the build runs, so a new file
# needs no build edit; a file that an earlier layer names in its PATHS, and
# main.cpp, stay out. LINKS, Qt modules included, are linked publicly: a
# layer can include only what it links.
function(marlquin_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PATHS;LINKS")
    get_property(taken GLOBAL PROPERTY marlquin_taken_files)
    set(sources)
    foreach(path ${arg_PATHS})
        set(full ${PROJECT_SOURCE_DIR}/${path})
        if(IS_DIRECTORY ${full})
            file(GLOB_RECURSE found CONFIGURE_DEPENDS ${full}/*.cpp ${full}/*.h)
            list(FILTER found EXCLUDE REGEX "/main\\.cpp$")
            if(taken)
                list(REMOVE_ITEM found ${taken})
            endif()
            list(APPEND sources ${found})
        elseif(EXISTS ${full})
            list(APPEND sources ${full})
            set_property(GLOBAL APPEND PROPERTY marlquin_taken_files ${full})
        else()
            message(FATAL_ERROR "${name}: ${path} does not exist")
        endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY marlquin_layer_paths ${arg_PATHS})
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC marlquin_options ${arg_LINKS})
    marlquin_expose(${name} PUBLIC ${arg_PATHS})
endfunction()

# Fails the configuration when a folder directly below `dir` (relative to the
# source root) belongs to no layer, so a new folder is given its place.
function(marlquin_check_folders dir)
    get_property(paths GLOBAL PROPERTY marlquin_layer_paths)
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${PROJECT_SOURCE_DIR}
        CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*)
    foreach(entry ${entries})
        if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${entry} AND NOT entry IN_LIST paths)
            message(FATAL_ERROR "${entry} belongs to no layer: add it to one in ${dir}/CMakeLists.txt")
        endif()
    endforeach()
endfunction()

# Sets `result` to whether `target` takes marlquin_options, itself or through
# a target of this build that it links.
function(marlquin_takes_options target result)
    set(${result} FALSE PARENT_SCOPE)
    if(target STREQUAL "marlquin_options")
        set(${result} TRUE PARENT_SCOPE)
        return()
    endif()
    if(NOT TARGET ${target})
        return()
    endif()
    get_target_property(imported ${target} IMPORTED)
    if(imported)
        return()
    endif()
    get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(links ${target} LINK_LIBRARIES)
    endif()
    foreach(link ${links})
        marlquin_takes_options(${link} takes)
        if(takes)
            set(${result} TRUE PARENT_SCOPE)
            return()
        endif()
    endforeach()
endfunction()

# Fails the configuration when a program or library made in `dir` or below
# does not take marlquin_options. Qt's generated libraries are not ours.
function(marlquin_check_options dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY)$")
            marlquin_takes_options(${target} takes)
            if(NOT takes)
                message(FATAL_ERROR "${target} must link marlquin_options (or a layer)")
            endif()
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir ${subdirs})
        marlquin_check_options(${subdir})
    endforeach()
endfunction()
