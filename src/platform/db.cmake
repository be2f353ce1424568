# The record set over SQLite: the results database and the lists read and
# write through it. The SQLite C library itself, for its exact result codes.
find_package(SQLite3 REQUIRED)

add_library(quirlix_platform_db STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dbstatus.cpp ${CMAKE_CURRENT_LIST_DIR}/dbstatus.h
  ${CMAKE_CURRENT_LIST_DIR}/dbconnection.cpp ${CMAKE_CURRENT_LIST_DIR}/dbconnection.h
  ${CMAKE_CURRENT_LIST_DIR}/likepattern.cpp ${CMAKE_CURRENT_LIST_DIR}/likepattern.h
  ${CMAKE_CURRENT_LIST_DIR}/textorder.cpp ${CMAKE_CURRENT_LIST_DIR}/textorder.h
  ${CMAKE_CURRENT_LIST_DIR}/recordquery.cpp ${CMAKE_CURRENT_LIST_DIR}/recordquery.h
  ${CMAKE_CURRENT_LIST_DIR}/recordset.cpp ${CMAKE_CURRENT_LIST_DIR}/recordset.h
  ${CMAKE_CURRENT_LIST_DIR}/datasource.cpp ${CMAKE_CURRENT_LIST_DIR}/datasource.h
  ${CMAKE_CURRENT_LIST_DIR}/resultsdb.cpp ${CMAKE_CURRENT_LIST_DIR}/resultsdb.h
  ${CMAKE_CURRENT_LIST_DIR}/recordlist.cpp ${CMAKE_CURRENT_LIST_DIR}/recordlist.h
)
target_link_libraries(quirlix_platform_db PUBLIC quirlix_platform_core SQLite::SQLite3)
quirlix_target_defaults(quirlix_platform_db)

# The data source control's bar and bound boxes, for windows over a record set.
add_library(quirlix_platform_dbui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/datacontrol.cpp ${CMAKE_CURRENT_LIST_DIR}/datacontrol.h
  ${CMAKE_CURRENT_LIST_DIR}/boundboxes.cpp ${CMAKE_CURRENT_LIST_DIR}/boundboxes.h
)
target_link_libraries(quirlix_platform_dbui PUBLIC quirlix_platform_db quirlix_platform_ui)
quirlix_target_defaults(quirlix_platform_dbui)
