#The results window's sources (owned with the results window), with its picture
#compiled in as a resource.
target_sources(fractions_app PRIVATE
                   classificaform.h classificaform.cpp classificawindow.h classificawindow.cpp)
    qt_add_resources(fractions_app classificaform_picture PREFIX "/forms" FILES target.svg)
