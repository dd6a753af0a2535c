# Helpers for the test tree.

# tagloom_sample_folders(<var>): the sample folders named by the entry files' `sample:` lines,
# sorted, so the page test can be registered once per category. CONFIGURE_DEPENDS reruns the
# glob when an entry file is added or removed.
function(tagloom_sample_folders var)
    file(GLOB entry_files CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/*/content/*/*.txt ${CMAKE_SOURCE_DIR}/*/*/content/*/*.txt)
    set(folders "")
    foreach(file IN LISTS entry_files)
        file(STRINGS ${file} lines REGEX "^sample:")
        foreach(line IN LISTS lines)
            if(line MATCHES "^sample:[ \t]*([^/ \t]+)/")
                list(APPEND folders ${CMAKE_MATCH_1})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES folders)
    list(SORT folders)
    if(NOT folders)
        message(WARNING "No sample folders found; the sample pages get no CTest of their own")
    endif()
    set(${var} ${folders} PARENT_SCOPE)
endfunction()
