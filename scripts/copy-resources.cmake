# Copies the shipped documents into the program folder.
if(EXISTS "${SRC}/YRN_TEMPLATE.RTF")
    file(COPY "${SRC}/YRN_TEMPLATE.RTF" DESTINATION "${DST}")
endif()
if(EXISTS "${SRC}/YRN Help Files")
    file(COPY "${SRC}/YRN Help Files" DESTINATION "${DST}")
endif()
