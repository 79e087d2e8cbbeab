# The format libraries hold byte layouts and pure algorithms: no widget, no scene, no
# prompt. Fails naming every include that breaks that.
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/zaftool/format/*.h ${SOURCE_DIR}/zaftool/format/*.cpp
    ${SOURCE_DIR}/touchtool/format/*.h ${SOURCE_DIR}/touchtool/format/*.cpp
    ${SOURCE_DIR}/kpxtool/format/*.h ${SOURCE_DIR}/kpxtool/format/*.cpp)
if(NOT sources)
    message(FATAL_ERROR "no format sources found below ${SOURCE_DIR}")
endif()
set(forbidden "#include [<\"](QtWidgets|QWidget|QGraphics[A-Za-z]*|QApplication|QDialog|QMessageBox|QFileDialog|QAction|drawscene\\.h|graphics[a-z]*\\.h|prompt\\.h|title\\.h)")
set(found "")
foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "${forbidden}")
    foreach(line ${lines})
        file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
        string(APPEND found "\n  ${name}: ${line}")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "format code includes window or scene headers:${found}")
endif()
