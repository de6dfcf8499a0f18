# The rich text engine (reader, writer, field) and the printer layer.
target_sources(vc_frame PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pagesetup.cpp ${CMAKE_CURRENT_LIST_DIR}/pagesetup.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfreader.cpp ${CMAKE_CURRENT_LIST_DIR}/rtfreader.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfparser.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfcodepage.cpp ${CMAKE_CURRENT_LIST_DIR}/rtfcodepage.h
    ${CMAKE_CURRENT_LIST_DIR}/rtftokenizer.cpp ${CMAKE_CURRENT_LIST_DIR}/rtftext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtfwords.cpp ${CMAKE_CURRENT_LIST_DIR}/rtfdestinations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtftablebuilder.cpp ${CMAKE_CURRENT_LIST_DIR}/rtftablelayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtfwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/rtfwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/richtextfield.cpp ${CMAKE_CURRENT_LIST_DIR}/richtextfield.h
    ${CMAKE_CURRENT_LIST_DIR}/richtextpager.cpp ${CMAKE_CURRENT_LIST_DIR}/richtextpager.h
    ${CMAKE_CURRENT_LIST_DIR}/textchunkcopy.cpp ${CMAKE_CURRENT_LIST_DIR}/textchunkcopy.h
    ${CMAKE_CURRENT_LIST_DIR}/printerlist.cpp ${CMAKE_CURRENT_LIST_DIR}/printerlist.h
    ${CMAKE_CURRENT_LIST_DIR}/printer.cpp ${CMAKE_CURRENT_LIST_DIR}/printer.h
)
